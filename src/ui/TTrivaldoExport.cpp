#include "TTrivaldo.h"

#include "Boites.h"
#include "ImagesGraphe.h"
#include "Conversions.h"
#include "SortiesGraphe.h"
#include "TFenetreGraphe.h"
#include "TextesCommuns.h"

#include "formats/FichiersEchange.h"
#include "model/EcritureAtomique.h"

#include <QBuffer>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

// "Exporter sous...": every file goes through EcrireFichier, so that a
// failed export leaves the previous file whole; pictures are made in memory.

namespace {
const QString kTitreExporter = QStringLiteral("Exporter sous");
const QString kEtatExporter = QStringLiteral("Exportation du graphe.");
const QString kImageImpossible = QStringLiteral("L'image ne peut être créée : le graphe s'étend trop loin.");
// Coordinates come from files: a vertex far away must not claim gigabytes.
constexpr int kCoteMax = 16384;

// A picture of the program's own, after the exchange formats in the filters.
struct Image {
    QString filtre;
    QString extension;
};
const Image kImages[] = {
    {QStringLiteral("Image PNG (*.png)"), QStringLiteral(".png")},
    {QStringLiteral("Image SVG (*.svg)"), QStringLiteral(".svg")},
    {QStringLiteral("Page imprimée PDF (*.pdf)"), QStringLiteral(".pdf")},
};

QString Texte(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QByteArray ContenuImage(TGraphe& graphe, const QString& extension, QSize taille)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    if (extension == QStringLiteral(".png")) {
        QImage image(taille, QImage::Format_RGB32);
        PeindreGraphe(image, graphe, taille);
        EncoderImage(image, tampon, "PNG");
    } else if (extension == QStringLiteral(".svg")) {
        EcrireSvgGraphe(tampon, graphe, taille);
    } else {
        QPdfWriter document(&tampon);
        document.setTitle(kTitrePage);
        QPainter peintre(&document);
        DessinerPageSur(graphe, peintre);
    }
    return tampon.data();
}

QString AvecExtension(const QString& chemin, const QString& extension)
{
    return chemin.endsWith(extension, Qt::CaseInsensitive) ? chemin : chemin + extension;
}
}  // namespace

void TTrivaldo::Exportersous1Click()
{
    TFenetreGraphe* fenetre = FenetreActive();
    if (fenetre == nullptr)
        return;
    FixerTexteEtat(kEtatExporter);
    QStringList filtres;
    QStringList extensions;
    for (const FormatEchange& format : FormatsEchange()) {
        extensions << Texte(format.extensions.front());
        filtres << Texte(format.libelle) + " (*" + extensions.back() + ")";
    }
    for (const Image& image : kImages) {
        filtres << image.filtre;
        extensions << image.extension;
    }
    QFileDialog dialogue(this, kTitreExporter);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setNameFilters(filtres);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        FixerTexteEtat(kPret);
        return;
    }
    const auto rang = static_cast<size_t>(std::max<qsizetype>(0, filtres.indexOf(dialogue.selectedNameFilter())));
    const QString chemin = AvecExtension(dialogue.selectedFiles().constFirst(), extensions.at(qsizetype(rang)));
    TGraphe& graphe = fenetre->Graphe();
    std::string erreur;
    if (rang < FormatsEchange().size())
        erreur = EnregistrerFichierEchange(graphe, CheminVersOctets(chemin), FormatsEchange()[rang]);
    else {
        // The size "Ajuster" would give the window, without resizing it.
        const Point taille = graphe.TailleSelonSommets();
        const QByteArray contenu = taille.x <= kCoteMax && taille.y <= kCoteMax
                                     ? ContenuImage(graphe, extensions.at(qsizetype(rang)), QSize(taille.x, taille.y))
                                     : QByteArray();
        erreur = contenu.isEmpty() ? kImageImpossible.toStdString()
                                   : EcrireFichier(CheminVersOctets(chemin),
                                                   std::string_view(contenu.constData(), size_t(contenu.size())));
    }
    if (!erreur.empty())
        AfficherBoite(Texte(erreur), kNomApplication);
    FixerTexteEtat(kPret);
}

#include "TTrivaldo.h"

#include "Boites.h"
#include "CanevasSvg.h"
#include "Conversions.h"
#include "PoliceEcran.h"
#include "SortiesGraphe.h"
#include "TCanevasQt.h"
#include "TFenetreGraphe.h"
#include "TextesCommuns.h"

#include "formats/FichiersEchange.h"
#include "model/Cp1252.h"
#include "model/EcritureAtomique.h"
#include "render/DessinGraphe.h"

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

// The graph as its window paints it, on a white ground of the fitted size.
void Peindre(QPaintDevice& surface, TGraphe& graphe, QSize taille)
{
    QPainter peintre(&surface);
    peintre.fillRect(QRect(QPoint(0, 0), taille), Qt::white);
    peintre.setFont(PoliceEcran());
    TCanevasQt canevas(peintre);
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
}

QByteArray ContenuImage(TGraphe& graphe, const QString& extension, QSize taille)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    if (extension == QStringLiteral(".png")) {
        QImage image(taille, QImage::Format_RGB32);
        Peindre(image, graphe, taille);
        image.save(&tampon, "PNG");
    } else if (extension == QStringLiteral(".svg")) {
        // The batch tool's SVG, so that both programs write the same file.
        CanevasSvg canevas(tampon, taille, CheminAffichable(graphe.NomFichier()), PoliceEcran());
        DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
        canevas.Terminer();
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

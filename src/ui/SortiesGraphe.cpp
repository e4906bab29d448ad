#include "SortiesGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"

#include "model/TGraphe.h"
#include "render/DessinGraphe.h"
#include "render/Page.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
const QString kTitreTravail = QStringLiteral("Graphe");
const QString kImprimanteMuette = QStringLiteral("L'impression sur « %1 » n'a pas pu commencer.");

// A fresh canvas, as a new device gives it: black one-pixel pen, white brush.
void DessinerPageSur(TGraphe& graphe, QPainter& peintre)
{
    peintre.setPen(QPen(Qt::black, 1));
    peintre.setBrush(Qt::white);
    TCanevasQt canevas(peintre);
    DessinerPage(graphe, canevas, peintre.device()->width(), peintre.device()->height());
}

// Qt says only that a job did not start; for a file, the file system says why.
QString ErreurImpression(const QPrinter& imprimante)
{
    const QString fichier = imprimante.outputFileName();
    if (fichier.isEmpty())
        return kImprimanteMuette.arg(imprimante.printerName());
    QFile essai(fichier);
    if (!essai.open(QIODevice::WriteOnly | QIODevice::Append))
        return essai.errorString();
    return kImprimanteMuette.arg(fichier);
}
}  // namespace

QString ImprimerGraphe(TGraphe& graphe, QPrinter& imprimante)
{
    // The copies are ours to make, one job each: the printer must not
    // multiply every job again.
    const int copies = std::max(imprimante.copyCount(), 1);
    imprimante.setCopyCount(1);
    imprimante.setDocName(kTitreTravail);
    const bool versFichier = !imprimante.outputFileName().isEmpty();
    QPainter peintre;
    for (int copie = 0; copie < copies; ++copie) {
        const bool nouveauTravail = copie == 0 || !versFichier;
        if (nouveauTravail ? !peintre.begin(&imprimante) : !imprimante.newPage())
            return ErreurImpression(imprimante);
        DessinerPageSur(graphe, peintre);
        if (!versFichier && !peintre.end())
            return ErreurImpression(imprimante);
    }
    if (versFichier && !peintre.end())
        return ErreurImpression(imprimante);
    return {};
}

QImage ImagePage(TGraphe& graphe, QSize taille, int dpi)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int pointsParMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(pointsParMetre);
    image.setDotsPerMeterY(pointsParMetre);
    QPainter peintre(&image);
    DessinerPageSur(graphe, peintre);
    return image;
}

QString ExporterImageBmp(const TGraphe& graphe, QSize exterieur, QSize client, const QString& chemin)
{
    // Drawn afresh rather than read from the screen, so that a covered or
    // partly hidden window still gives its whole picture.
    QImage image(exterieur, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        peintre.setClipRect(QRect(QPoint(0, 0), client));
        peintre.setFont(PoliceEcran());
        peintre.setPen(QPen(Qt::black, 1));
        TCanevasQt canevas(peintre);
        DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fichier.errorString();
    if (!image.save(&fichier, "BMP") || !fichier.flush())
        return fichier.errorString();
    return {};
}

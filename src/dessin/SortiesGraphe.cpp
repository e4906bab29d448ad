#include "SortiesGraphe.h"

#include "EcritureQt.h"
#include "ImagesGraphe.h"
#include "PoliceEcran.h"
#include "TCanevasQt.h"

#include "model/Cp1252.h"
#include "model/TGraphe.h"
#include "render/DessinGraphe.h"
#include "render/Page.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

namespace {
const QString kImpressionMuette = QStringLiteral("L'impression sur « %1 » n'a pas pu commencer.");

QString ImpressionMuette(const QString& destination)
{
    return kImpressionMuette.arg(QString::fromStdString(EchapperControles(destination.toStdString())));
}
}  // namespace

void DessinerPageSur(TGraphe& graphe, QPainter& peintre)
{
    peintre.setBrush(Qt::white);
    TCanevasQt canevas(peintre);
    DessinerPage(graphe, canevas, peintre.device()->width(), peintre.device()->height());
}

QString ErreurDebutPage(const QString& imprimante)
{
    return ImpressionMuette(imprimante);
}

QString EcrirePagePdf(TGraphe& graphe, const QString& chemin, const FeuillePdf& feuille)
{
    return EcrireAvecQt(QFile::encodeName(chemin).toStdString(), [&](QIODevice& sortie) {
        QPdfWriter document(&sortie);
        document.setTitle(kTitrePage);
        if (feuille.mise)
            document.setPageLayout(*feuille.mise);
        document.setResolution(feuille.resolution);
        QPainter peintre;
        if (!peintre.begin(&document))
            return false;
        for (int copie = 0; copie < feuille.copies; ++copie) {
            // Every copy a page of the one file: separate files would
            // overwrite each other.
            if (copie > 0 && !document.newPage())
                return false;
            DessinerPageSur(graphe, peintre);
        }
        return peintre.end();
    });
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
        DessinerGraphe(graphe, canevas, 0, 0, 1.0f, Suivi(graphe));
    }
    return EcrireAvecQt(QFile::encodeName(chemin).toStdString(),
                        [&](QIODevice& sortie) { return image.save(&sortie, "BMP"); });
}

#include "SortiesGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"

#include "model/Cp1252.h"
#include "model/EcritureAtomique.h"
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

// Qt says only that a page did not start; for a file, the file system says why.
QString ErreurDebutPage(const QString& destination, bool fichier)
{
    if (!fichier)
        return ImpressionMuette(destination);
    QFile essai(destination);
    if (!essai.open(QIODevice::WriteOnly | QIODevice::Append))
        return essai.errorString();
    return ImpressionMuette(destination);
}

// QPdfWriter starts from the very page QPrinter writes to a file: A4, 1200
// dots per inch, margins of 10 points.
QString EcrirePagePdf(TGraphe& graphe, const QString& chemin)
{
    QPdfWriter document(chemin);
    document.setTitle(kTitrePage);
    // An empty path opens no file: the error then reads as a printer's.
    const bool fichier = !chemin.isEmpty();
    QPainter peintre;
    if (!peintre.begin(&document))
        return ErreurDebutPage(chemin, fichier);
    DessinerPageSur(graphe, peintre);
    if (!peintre.end())
        return ErreurDebutPage(chemin, fichier);
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
    // Through the program's one writer: opened directly, a FIFO left there
    // would hold the desktop until some reader came, and a failure would
    // leave the previous picture cut short.
    const std::string erreur = EcrireFichier(QFile::encodeName(chemin).toStdString(), [&image](int descripteur) {
        QFile fichier;
        return fichier.open(descripteur, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)
            && image.save(&fichier, "BMP") && fichier.flush();
    });
    return QString::fromStdString(erreur);
}

#include "ImageGlissement.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "render/DessinGraphe.h"

#include <QPainter>
#include <QWidget>

bool ImageGlissement::Peindre(QPainter& peintre, const QWidget& fenetre, const TGraphe& graphe, const QRect& zone)
{
    // Only a one-to-one copy keeps the pixels those of a direct painting.
    if (fenetre.devicePixelRatioF() != 1.0)
        return false;
    if (image.isNull() || !couverte.contains(zone)) {
        const QRect enVue = fenetre.visibleRegion().boundingRect();
        if (!enVue.contains(zone))
            return false;
        Faire(graphe, enVue);
    }
    peintre.drawImage(zone.topLeft(), image, zone.translated(-couverte.topLeft()));
    return true;
}

void ImageGlissement::Oublier()
{
    image = QImage();
    couverte = QRect();
}

// Drawn as the window draws itself: white, the screen font, a thin black pen.
void ImageGlissement::Faire(const TGraphe& graphe, const QRect& partie)
{
    couverte = partie;
    image = QImage(partie.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.translate(-partie.topLeft());
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(Qt::black, 1));
    TCanevasQt canevas(peintre);
    DessinerGrapheDans(graphe, canevas, 0, 0, 1.0f, {partie.left(), partie.top(), partie.right(), partie.bottom()});
}

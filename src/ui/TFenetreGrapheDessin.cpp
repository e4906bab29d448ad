#include "TFenetreGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "render/DessinGraphe.h"

#include <QPainter>

void TFenetreGraphe::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(Qt::black, 1));
    TCanevasQt canevas(peintre);
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
    // The drawing keeps the pen: the rubber band is the same thin black line.
    if (elastique)
        peintre.drawLine(elastique->first.x, elastique->first.y, elastique->second.x, elastique->second.y);
}

#include "TFenetreGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "render/DessinGraphe.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
// What the band's line may touch, its ends included.
QRect PlaceElastique(const std::pair<Point, Point>& bande)
{
    return QRect(QPoint(bande.first.x, bande.first.y), QPoint(bande.second.x, bande.second.y))
        .normalized()
        .adjusted(-2, -2, 2, 2);
}
}  // namespace

void TFenetreGraphe::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    const QRect zone = evenement->rect();
    // Only the part being repainted is drawn: at 100,000 vertices the rest
    // would cost most of the time.
    if (!elastique || !imageGlissement.Peindre(peintre, *this, graphe, zone)) {
        peintre.setFont(PoliceEcran());
        peintre.setPen(QPen(Qt::black, 1));
        TCanevasQt canevas(peintre);
        DessinerGrapheDans(graphe, canevas, 0, 0, 1.0f, {zone.left(), zone.top(), zone.right(), zone.bottom()});
    }
    // The rubber band is the same thin black line as the drawing's.
    peintre.setPen(QPen(Qt::black, 1));
    if (elastique)
        peintre.drawLine(elastique->first.x, elastique->first.y, elastique->second.x, elastique->second.y);
}

void TFenetreGraphe::Redessiner()
{
    elastique.reset();
    // Within a move of the band, the band is drawn again at once: the
    // graph, unchanged, need not be.
    if (mouvementElastique)
        return;
    imageGlissement.Oublier();
    elastiqueAffiche.reset();
    repaint();
}

void TFenetreGraphe::TracerElastique(Point depuis, Point vers)
{
    elastique.emplace(depuis, vers);
    const std::optional<QRect> avant = elastiqueAffiche;
    elastiqueAffiche = PlaceElastique(*elastique);
    if (mouvementElastique && avant)
        repaint(QRegion(*avant) + *elastiqueAffiche);
    else
        repaint();
}

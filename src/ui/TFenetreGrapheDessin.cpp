#include "TFenetreGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "render/DessinGraphe.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <span>
#include <vector>

namespace {
// What the band's line may touch, its ends included.
QRect PlaceElastique(const std::pair<Point, Point>& bande)
{
    return QRect(QPoint(bande.first.x, bande.first.y), QPoint(bande.second.x, bande.second.y))
        .normalized()
        .adjusted(-2, -2, 2, 2);
}

// Halves joined in turn: adding a thousand rectangles one by one to a region
// costs the square of their number.
QRegion Reunir(std::span<const ZoneDessin> zones)
{
    if (zones.size() == 1)
        return QRegion(QRect(QPoint(zones[0].gauche, zones[0].haut), QPoint(zones[0].droite, zones[0].bas)));
    const size_t moitie = zones.size() / 2;
    return Reunir(zones.first(moitie)).united(Reunir(zones.subspan(moitie)));
}

std::vector<ZoneDessin> Zones(const QRegion& region)
{
    std::vector<ZoneDessin> zones;
    for (const QRect& r : region)
        zones.push_back({r.left(), r.top(), r.right(), r.bottom()});
    return zones;
}
}  // namespace

void TFenetreGraphe::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    const QRect zone = evenement->rect();
    // Only the part being repainted is drawn: at 100,000 vertices the rest
    // would cost most of the time. Qt clips the painter to the region.
    if (!elastique || !imageGlissement.Peindre(peintre, *this, graphe, zone)) {
        peintre.setFont(PoliceEcran());
        peintre.setPen(QPen(Qt::black, 1));
        TCanevasQt canevas(peintre);
        if (evenement->region().rectCount() > 1)
            DessinerGrapheDansZones(graphe, canevas, 0, 0, 1.0f, Zones(evenement->region()));
        else
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

void TFenetreGraphe::RedessinerDeplacement(const Sommet& sommet, int32_t departX, int32_t departY)
{
    elastique.reset();
    imageGlissement.Oublier();
    elastiqueAffiche.reset();
    // The texts are measured as the painting will measure them.
    QImage mesure(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter peintre(&mesure);
    peintre.setFont(PoliceEcran());
    TCanevasQt canevas(peintre);
    const QRect cadre = rect();
    const std::vector<ZoneDessin> zones =
        ZonesDeplacement(graphe, canevas, sommet, departX, departY,
                         {cadre.left(), cadre.top(), cadre.right(), cadre.bottom()}, 0, 0, 1.0f);
    if (!zones.empty())
        repaint(Reunir(zones));
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

#include "TCanevasQt.h"

#include "TexteCp1252.h"

#include <QPainter>

TCanevasQt::TCanevasQt(QPainter& peintre_) : peintre(peintre_) {}

void TCanevasQt::FixerPinceauTransparent()
{
    peintre.setBrush(Qt::NoBrush);
    peintre.setBackgroundMode(Qt::TransparentMode);
}

void TCanevasQt::FixerCouleurPolice(CouleurRvb couleur)
{
    couleurPolice = QColor(couleur.rouge, couleur.vert, couleur.bleu);
}

void TCanevasQt::Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    // A one-pixel pen covers the box from its top-left to its bottom-right
    // point inclusive: stop one short, so that the circle of a vertex at
    // (100, 60) spans pixels 93 to 106 like the window system's own. Floating
    // corners keep boxes as wide as the whole 32-bit range from overflowing.
    const int32_t droiteIncluse = droite > gauche ? droite - 1 : droite;
    const int32_t basInclus = bas > haut ? bas - 1 : bas;
    peintre.drawEllipse(QRectF(QPointF(gauche, haut), QPointF(droiteIncluse, basInclus)).normalized());
}

void TCanevasQt::DeplacerVers(int32_t x, int32_t y)
{
    position = QPoint(x, y);
}

void TCanevasQt::TracerLigneVers(int32_t x, int32_t y)
{
    const QPoint arrivee(x, y);
    peintre.drawLine(position, arrivee);
    position = arrivee;
}

void TCanevasQt::EcrireTexte(int32_t x, int32_t y, std::string_view texteCp1252)
{
    // Qt places text by its baseline; the drawing gives the top-left corner.
    const QPen plume = peintre.pen();
    peintre.setPen(couleurPolice);
    const double ligneDeBase = static_cast<double>(y) + peintre.fontMetrics().ascent();
    peintre.drawText(QPointF(x, ligneDeBase), DepuisCp1252(texteCp1252));
    peintre.setPen(plume);
}

int32_t TCanevasQt::LargeurTexte(std::string_view texteCp1252)
{
    return peintre.fontMetrics().horizontalAdvance(DepuisCp1252(texteCp1252));
}

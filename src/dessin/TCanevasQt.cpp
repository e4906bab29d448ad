#include "TCanevasQt.h"

#include "TexteCp1252.h"
#include "TraceurLignes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>

TCanevasQt::TCanevasQt(QPainter& peintre_) : peintre(peintre_) {}

void TCanevasQt::FixerPlume(CouleurRvb couleur, int32_t epaisseur)
{
    // A painter ignores a pen equal to the one it holds, and the PDF engine
    // strokes with its own hairline until it is handed a pen: a painter just
    // begun on a printer holds a one-pixel pen the engine never saw. Going
    // through no pen hands this one to every engine.
    peintre.setPen(Qt::NoPen);
    peintre.setPen(QPen(QColor(couleur.rouge, couleur.vert, couleur.bleu), std::max(epaisseur, 1)));
}

void TCanevasQt::FixerPinceauTransparent()
{
    peintre.setBrush(Qt::NoBrush);
    peintre.setBackgroundMode(Qt::TransparentMode);
}

void TCanevasQt::FixerCouleurPolice(CouleurRvb couleur)
{
    // The drawing sets a colour before every text, mostly the one it has.
    if (couleur == couleurPolice)
        return;
    couleurPolice = couleur;
    plumeTexte = QPen(QColor(couleur.rouge, couleur.vert, couleur.bleu));
}

namespace {
// A one-pixel pen covers a box from its top-left to its bottom-right point
// inclusive: stop one short, so that the circle of a vertex at (100, 60)
// spans pixels 93 to 106 like the window system's own. Floating corners keep
// boxes as wide as the whole 32-bit range from overflowing.
QRectF BoiteSansBordDroit(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    const int32_t droiteIncluse = droite > gauche ? droite - 1 : droite;
    const int32_t basInclus = bas > haut ? bas - 1 : bas;
    return QRectF(QPointF(gauche, haut), QPointF(droiteIncluse, basInclus)).normalized();
}
}  // namespace

void TCanevasQt::Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    peintre.drawEllipse(BoiteSansBordDroit(gauche, haut, droite, bas));
}

void TCanevasQt::Rectangle(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    peintre.drawRect(BoiteSansBordDroit(gauche, haut, droite, bas));
}

void TCanevasQt::DeplacerVers(int32_t x, int32_t y)
{
    position = QPoint(x, y);
}

void TCanevasQt::TracerLigneVers(int32_t x, int32_t y)
{
    const QPoint arrivee(x, y);
    // Qt's own line drawing dominates the time of drawing a large graph
    // into an image; the direct path gives the same pixels much faster.
    if (!TracerLigneDirecte(peintre, position, arrivee))
        peintre.drawLine(position, arrivee);
    position = arrivee;
}

void TCanevasQt::EcrireTexte(int32_t x, int32_t y, std::string_view texteCp1252)
{
    // Qt draws text with the pen; lines must find theirs back at once.
    const QPen plume = peintre.pen();
    peintre.setPen(plumeTexte);
    textes.Ecrire(peintre, x, y, texteCp1252);
    peintre.setPen(plume);
}

int32_t TCanevasQt::LargeurTexte(std::string_view texteCp1252)
{
    return peintre.fontMetrics().horizontalAdvance(DepuisCp1252(texteCp1252));
}

void TCanevasQt::FixerNomPolice(std::string_view nom)
{
    QFont police = peintre.font();
    police.setFamily(QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())));
    peintre.setFont(police);
}

void TCanevasQt::FixerHauteurPolice(int32_t pixels)
{
    // Qt sizes a font by its em; the page asks for the whole character cell,
    // ascent and descent together, which is larger by the face's own ratio.
    const int cellule = std::max(pixels, 1);
    QFont police = peintre.font();
    police.setPixelSize(cellule);
    const qreal hauteurEm = QFontMetricsF(police, peintre.device()).height();
    if (hauteurEm > 0)
        police.setPixelSize(std::max(1, qRound(cellule * (cellule / hauteurEm))));
    peintre.setFont(police);
}

void TCanevasQt::FixerTaillePolice(int32_t points)
{
    QFont police = peintre.font();
    police.setPointSize(std::max(points, 1));
    peintre.setFont(police);
}

int32_t TCanevasQt::HauteurTexte(std::string_view)
{
    return peintre.fontMetrics().height();
}

int32_t TCanevasQt::ResolutionVerticale()
{
    return peintre.device()->logicalDpiY();
}

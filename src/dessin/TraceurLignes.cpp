#include "TraceurLignes.h"

#include "LignesCoupees.h"
#include "ToileDirecte.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {
// Beyond this many rectangles in the part repainted, Qt draws the lines.
constexpr int kRectanglesParcourus = 16;

// Qt steps along its lines in 16.16 fixed point on 32 bits: beyond this size
// its positions could wrap, and we only vouch for what we have compared.
constexpr int kCoteMaximal = 32767;

bool FormatDirect(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

// An opaque one-pixel solid pen whose pixels are its colour alone, whatever
// lies beneath: any blending, pattern or thickness is left to Qt, and so is
// a colour not given in red, green and blue (one that differs from the same
// values rebuilt as such).
bool PlumeDirecte(const QPen& plume)
{
    const QColor couleur = plume.color();
    return plume.style() == Qt::SolidLine && plume.brush().style() == Qt::SolidPattern
        && plume.capStyle() == Qt::SquareCap && (plume.widthF() == 0.0 || plume.widthF() == 1.0)
        && couleur == QColor::fromRgba64(couleur.rgba64()) && couleur.rgba64().isOpaque();
}

bool EtatDirect(const QPainter& peintre, const QPen& plume)
{
    const QPainter::CompositionMode mode = peintre.compositionMode();
    return peintre.paintEngine()->type() == QPaintEngine::Raster && !peintre.testRenderHint(QPainter::Antialiasing)
        && !peintre.hasClipping() && peintre.opacity() == 1.0
        && (mode == QPainter::CompositionMode_SourceOver || mode == QPainter::CompositionMode_Source)
        && PlumeDirecte(plume);
}

// A widget's painter draws into its window's image, shifted to the widget's
// place: a shift by whole pixels moves Qt's pixels with it, anything else
// (a fraction, a scale of a high-density screen) is left to Qt.
std::optional<QPoint> Decalage(const QPainter& peintre)
{
    const QTransform transformation = peintre.deviceTransform();
    const double dx = transformation.dx();
    const double dy = transformation.dy();
    if (transformation.type() > QTransform::TxTranslate || dx != std::trunc(dx) || dy != std::trunc(dy)
        || std::abs(dx) > kCoteMaximal || std::abs(dy) > kCoteMaximal)
        return std::nullopt;
    return QPoint(static_cast<int>(dx), static_cast<int>(dy));
}

// The window system limits a repaint to the part uncovered, and Qt walks
// each line whole, leaving out the pixels beyond: the rectangle where
// pixels may go, the image's when the part is not one rectangle but one of
// its rectangles holds the line. A part of many rectangles (a moved
// vertex's places, in the thousands) is left to Qt: looking through them for
// each line costs more than Qt's own clipping.
std::optional<QRect> ZoneRepeinte(const QPaintEngine& moteur, const QImage& image, std::optional<QPoint> depart,
                                  std::optional<QPoint> arrivee)
{
    const QRegion zone = moteur.systemClip();
    if (zone.isEmpty())
        return image.rect();
    if (zone.rectCount() == 1)
        return zone.boundingRect() & image.rect();
    if (zone.rectCount() > kRectanglesParcourus)
        return std::nullopt;
    const bool tenue = depart && arrivee && std::any_of(zone.begin(), zone.end(), [&](const QRect& rectangle) {
                           return rectangle.contains(*depart) && rectangle.contains(*arrivee);
                       });
    return tenue ? std::optional<QRect>(image.rect()) : std::nullopt;
}

// The image the painter writes into, when we may write there too: the
// painted device itself, or the window's image behind a widget. Qt
// detaches an image when painting begins and deep-copies it while painted;
// should it ever be shared anyway, bits() would copy it away from the buffer
// the painter fills, so a shared image is declined.
QImage* ImageDirecte(QPainter& peintre)
{
    auto* image = dynamic_cast<QImage*>(peintre.paintEngine()->paintDevice());
    if (image == nullptr || !image->isDetached() || !FormatDirect(image->format()) || image->width() > kCoteMaximal
        || image->height() > kCoteMaximal)
        return nullptr;
    return image;
}

// Where the painter's point lands in the image, if it does.
std::optional<QPoint> PlaceDansImage(const QImage& image, QPoint p, QPoint decalage)
{
    const int64_t x = int64_t{p.x()} + decalage.x();
    const int64_t y = int64_t{p.y()} + decalage.y();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

// Qt starts half a step ahead when the minor coordinate grows, and on the
// exact endpoint when it shrinks; found by comparing pixels, not documented.
int64_t Origine(int32_t debut, int32_t increment)
{
    const int64_t avance = increment > 0 ? increment - (increment >> 1) : 0;
    return static_cast<int64_t>(debut) * 65536 + avance;
}

// Steep lines: one pixel per row, walked from the top end. Rows above the
// zone are stepped over at once, which lands on the very positions the walk
// would reach; a line wider than the zone checks each column.
void TracerVerticale(const Toile& toile, QPoint haut, QPoint bas)
{
    const int32_t increment = Increment(bas.x() - haut.x(), bas.y() - haut.y());
    const int32_t premier = std::max(haut.y(), toile.zone.top());
    const int32_t dernier = std::min(bas.y(), toile.zone.bottom());
    const bool borner =
        std::min(haut.x(), bas.x()) < toile.zone.left() || std::max(haut.x(), bas.x()) > toile.zone.right();
    int64_t x = Origine(haut.x(), increment) + int64_t{premier - haut.y()} * increment;
    for (int32_t y = premier; y <= dernier; ++y, x += increment) {
        const auto colonne = static_cast<int32_t>(x >> 16);
        if (!borner || (colonne >= toile.zone.left() && colonne <= toile.zone.right()))
            toile.Poser(colonne, y);
    }
}

// Flat lines and exact diagonals: one pixel per column, from the left end.
void TracerHorizontale(const Toile& toile, QPoint gauche, QPoint droite)
{
    const int32_t increment = Increment(droite.y() - gauche.y(), droite.x() - gauche.x());
    const int32_t premier = std::max(gauche.x(), toile.zone.left());
    const int32_t dernier = std::min(droite.x(), toile.zone.right());
    const bool borner =
        std::min(gauche.y(), droite.y()) < toile.zone.top() || std::max(gauche.y(), droite.y()) > toile.zone.bottom();
    int64_t y = Origine(gauche.y(), increment) + int64_t{premier - gauche.x()} * increment;
    for (int32_t x = premier; x <= dernier; ++x, y += increment) {
        const auto ligne = static_cast<int32_t>(y >> 16);
        if (!borner || (ligne >= toile.zone.top() && ligne <= toile.zone.bottom()))
            toile.Poser(x, ligne);
    }
}

// The painter's point in the image's pixels, which it may lie beyond.
QPointF PointDansImage(QPoint p, QPoint decalage)
{
    return {static_cast<double>(p.x()) + decalage.x(), static_cast<double>(p.y()) + decalage.y()};
}
}  // namespace

bool TracerLigneDirecte(QPainter& peintre, QPoint depart, QPoint arrivee)
{
    // An inactive painter only answers its queries with warnings.
    if (!peintre.isActive())
        return false;
    const QPen plume = peintre.pen();
    if (!EtatDirect(peintre, plume))
        return false;
    const std::optional<QPoint> decalage = Decalage(peintre);
    QImage* image = ImageDirecte(peintre);
    if (!decalage || image == nullptr)
        return false;
    const std::optional<QPoint> debut = PlaceDansImage(*image, depart, *decalage);
    const std::optional<QPoint> fin = PlaceDansImage(*image, arrivee, *decalage);
    const std::optional<QRect> zone = ZoneRepeinte(*peintre.paintEngine(), *image, debut, fin);
    if (!zone || ((!debut || !fin) && (image->width() > kCoteCoupe || image->height() > kCoteCoupe)))
        return false;
    const Toile toile{image->bits(), image->bytesPerLine(), plume.color().rgba64().toArgb32(), *zone};
    if (!debut || !fin) {
        TracerLigneCoupee(toile, image->size(), PointDansImage(depart, *decalage), PointDansImage(arrivee, *decalage));
        return true;
    }
    depart = *debut;
    arrivee = *fin;
    if (std::abs(arrivee.x() - depart.x()) < std::abs(arrivee.y() - depart.y())) {
        if (depart.y() > arrivee.y())
            std::swap(depart, arrivee);
        TracerVerticale(toile, depart, arrivee);
    } else {
        if (depart.x() > arrivee.x())
            std::swap(depart, arrivee);
        TracerHorizontale(toile, depart, arrivee);
    }
    return true;
}

#include "TraceurLignes.h"

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
// its rectangles holds the line.
std::optional<QRect> ZoneRepeinte(const QPaintEngine& moteur, const QImage& image, std::optional<QPoint> depart,
                                  std::optional<QPoint> arrivee)
{
    const QRegion zone = moteur.systemClip();
    if (zone.isEmpty())
        return image.rect();
    if (zone.rectCount() == 1)
        return zone.boundingRect() & image.rect();
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

// Qt's step along the minor axis for each pixel along the major one, in
// 16.16 fixed point, truncated toward zero as Qt does. A single point has
// no major axis and no step.
int32_t Increment(int32_t mineur, int32_t majeur)
{
    if (majeur == 0)
        return 0;
    return static_cast<int32_t>(static_cast<int64_t>(mineur) * 65536 / majeur);
}

// Qt starts half a step ahead when the minor coordinate grows, and on the
// exact endpoint when it shrinks; found by comparing pixels, not documented.
int64_t Origine(int32_t debut, int32_t increment)
{
    const int64_t avance = increment > 0 ? increment - (increment >> 1) : 0;
    return static_cast<int64_t>(debut) * 65536 + avance;
}

struct Toile {
    uchar* bits;
    qsizetype octetsParLigne;
    uint32_t couleur;
    QRect zone;

    void Poser(int32_t x, int32_t y) const { reinterpret_cast<uint32_t*>(bits + y * octetsParLigne)[x] = couleur; }
};

// Steep lines: one pixel per row, walked from the top end. Rows above the
// zone are stepped over at once, which lands on the very positions the walk
// would reach; a line wider than the zone checks each column.
void TracerVerticale(const Toile& toile, QPoint haut, QPoint bas)
{
    const int32_t increment = Increment(bas.x() - haut.x(), bas.y() - haut.y());
    const int32_t premier = std::max(haut.y(), toile.zone.top());
    const int32_t dernier = std::min(bas.y(), toile.zone.bottom());
    const bool borner = std::min(haut.x(), bas.x()) < toile.zone.left() || std::max(haut.x(), bas.x()) > toile.zone.right();
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

// A line leaving the image is first cut, in floating point, where it
// crosses the ring of pixels just outside the image; what is left is walked
// from its cut ends in 26.6 fixed point, half a pixel longer at each end for
// the square caps. Positions up to 16,383 keep Qt's 32-bit arithmetic from
// wrapping, which 64 bits would not follow.
constexpr int kCoteCoupe = 16383;

struct Bout {
    double x;
    double y;
};

// Cuts the segment to the box along one axis; false when nothing is left.
bool CouperSelon(double Bout::*axe, double Bout::*autre, Bout& a, Bout& b, double bas, double haut)
{
    if (a.*axe < bas) {
        if (b.*axe <= bas)
            return false;
        a.*autre += (b.*autre - a.*autre) / (b.*axe - a.*axe) * (bas - a.*axe);
        a.*axe = bas;
    } else if (a.*axe > haut) {
        if (b.*axe >= haut)
            return false;
        a.*autre += (b.*autre - a.*autre) / (b.*axe - a.*axe) * (haut - a.*axe);
        a.*axe = haut;
    }
    if (b.*axe < bas) {
        b.*autre += (b.*autre - a.*autre) / (b.*axe - a.*axe) * (bas - b.*axe);
        b.*axe = bas;
    } else if (b.*axe > haut) {
        b.*autre += (b.*autre - a.*autre) / (b.*axe - a.*axe) * (haut - b.*axe);
        b.*axe = haut;
    }
    return true;
}

int64_t EnVingtSixSix(double coordonnee)
{
    return static_cast<int32_t>(coordonnee * 64.);
}

// One pixel per step along the major axis, from `debut` to `fin` (26.6,
// debut <= fin); `mineur` where the line starts across it.
void Parcourir(const Toile& toile, bool vertical, int64_t mineur, int64_t debut, int64_t fin, int32_t increment)
{
    int64_t position = mineur * 1024 - (increment >> 1);
    debut -= 32;
    fin += 32;
    const int64_t premier = (debut + 32) >> 6;
    const int64_t dernier = (fin + 32) >> 6;
    if (premier == dernier)
        return;
    position += ((premier * 64 + (increment > 0 ? 32 : 0) - debut) * increment) >> 6;
    // Steps before the zone are taken at once, as in the lines within the image.
    const int64_t entree = std::max<int64_t>(premier, vertical ? toile.zone.top() : toile.zone.left());
    const int64_t sortie = std::min<int64_t>(dernier, int64_t{vertical ? toile.zone.bottom() : toile.zone.right()} + 1);
    position += (entree - premier) * increment;
    for (int64_t m = entree; m < sortie; ++m, position += increment) {
        const auto x = static_cast<int32_t>(vertical ? position >> 16 : m);
        const auto y = static_cast<int32_t>(vertical ? m : position >> 16);
        if (toile.zone.contains(x, y))
            toile.Poser(x, y);
    }
}

void TracerCoupee(const Toile& toile, const QImage& image, Bout a, Bout b)
{
    const double gauche = -1;
    const double droite = image.width() + 1;
    const double haut = -1;
    const double bas = image.height() + 1;
    if (!CouperSelon(&Bout::x, &Bout::y, a, b, gauche, droite) || !CouperSelon(&Bout::y, &Bout::x, a, b, haut, bas))
        return;
    int64_t x1 = EnVingtSixSix(a.x);
    int64_t y1 = EnVingtSixSix(a.y);
    int64_t x2 = EnVingtSixSix(b.x);
    int64_t y2 = EnVingtSixSix(b.y);
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int32_t increment = Increment(static_cast<int32_t>(x2 - x1), static_cast<int32_t>(y2 - y1));
        Parcourir(toile, true, x1, y1, y2, increment);
    } else if (x1 != x2) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int32_t increment = Increment(static_cast<int32_t>(y2 - y1), static_cast<int32_t>(x2 - x1));
        Parcourir(toile, false, y1, x1, x2, increment);
    }
}

Bout BoutDansImage(QPoint p, QPoint decalage)
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
        TracerCoupee(toile, *image, BoutDansImage(depart, *decalage), BoutDansImage(arrivee, *decalage));
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

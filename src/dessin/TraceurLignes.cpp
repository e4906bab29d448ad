#include "TraceurLignes.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
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
        && peintre.deviceTransform().type() == QTransform::TxNone && PlumeDirecte(plume);
}

// The image the painter writes into, when we may write there too. Qt
// detaches an image when painting begins and deep-copies it while painted;
// should it ever be shared anyway, bits() would copy it away from the buffer
// the painter fills, so a shared image is declined.
QImage* ImageDirecte(QPainter& peintre)
{
    auto* image = dynamic_cast<QImage*>(peintre.device());
    if (image == nullptr || !image->isDetached() || !FormatDirect(image->format()) || image->width() > kCoteMaximal
        || image->height() > kCoteMaximal)
        return nullptr;
    return image;
}

bool DansImage(const QImage& image, QPoint p)
{
    return p.x() >= 0 && p.y() >= 0 && p.x() < image.width() && p.y() < image.height();
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

    void Poser(int32_t x, int32_t y) const { reinterpret_cast<uint32_t*>(bits + y * octetsParLigne)[x] = couleur; }
};

// Steep lines: one pixel per row, walked from the top end.
void TracerVerticale(const Toile& toile, QPoint haut, QPoint bas)
{
    const int32_t increment = Increment(bas.x() - haut.x(), bas.y() - haut.y());
    int64_t x = Origine(haut.x(), increment);
    for (int32_t y = haut.y(); y <= bas.y(); ++y, x += increment)
        toile.Poser(static_cast<int32_t>(x >> 16), y);
}

// Flat lines and exact diagonals: one pixel per column, from the left end.
void TracerHorizontale(const Toile& toile, QPoint gauche, QPoint droite)
{
    const int32_t increment = Increment(droite.y() - gauche.y(), droite.x() - gauche.x());
    int64_t y = Origine(gauche.y(), increment);
    for (int32_t x = gauche.x(); x <= droite.x(); ++x, y += increment)
        toile.Poser(x, static_cast<int32_t>(y >> 16));
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
    QImage* image = ImageDirecte(peintre);
    // Lines leaving the image keep Qt's own clipping.
    if (image == nullptr || !DansImage(*image, depart) || !DansImage(*image, arrivee))
        return false;
    const Toile toile{image->bits(), image->bytesPerLine(), plume.color().rgba64().toArgb32()};
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

#pragma once

#include <QRect>

#include <cstdint>

// What the direct line tracer shares between lines inside the image and
// lines Qt cuts at its edges: where pixels go, and Qt's slope.

// The image's pixels, the pen's colour, and the rectangle pixels may be
// written in (the image's, or the part of a window being repainted).
struct Toile {
    uchar* bits;
    qsizetype octetsParLigne;
    uint32_t couleur;
    QRect zone;

    void Poser(int32_t x, int32_t y) const { reinterpret_cast<uint32_t*>(bits + y * octetsParLigne)[x] = couleur; }
};

// Qt's step along the minor axis for each pixel along the major one, in
// 16.16 fixed point, truncated toward zero as Qt does. A single point has
// no major axis and no step.
inline int32_t Increment(int32_t mineur, int32_t majeur)
{
    if (majeur == 0)
        return 0;
    return static_cast<int32_t>(static_cast<int64_t>(mineur) * 65536 / majeur);
}

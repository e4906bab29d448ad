#include "render/CarteZones.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {
// Cells of at least 16 pixels, at most 128 of them along the longer side: a
// window's region costs a few thousand cells, and a region spread over the
// whole 32-bit plane no more.
constexpr int64_t kCoteMin = 16;
constexpr int64_t kCellesParCote = 128;

int64_t Modulo(int64_t valeur, int64_t diviseur)
{
    const int64_t reste = valeur % diviseur;
    return reste < 0 ? reste + diviseur : reste;
}
}  // namespace

CarteZones::CarteZones(const std::vector<ZoneDessin>& zones)
{
    int64_t droite = std::numeric_limits<int64_t>::min();
    int64_t bas = std::numeric_limits<int64_t>::min();
    origineX = std::numeric_limits<int64_t>::max();
    origineY = std::numeric_limits<int64_t>::max();
    for (const ZoneDessin& z : zones) {
        origineX = std::min<int64_t>(origineX, z.gauche);
        origineY = std::min<int64_t>(origineY, z.haut);
        droite = std::max<int64_t>(droite, z.droite);
        bas = std::max<int64_t>(bas, z.bas);
    }
    if (zones.empty() || droite < origineX || bas < origineY) {
        origineX = 0;
        origineY = 0;
        return;
    }
    cote = std::max(kCoteMin, (std::max(droite - origineX, bas - origineY) + kCellesParCote) / kCellesParCote);
    colonnes = (droite - origineX) / cote + 1;
    lignes = (bas - origineY) / cote + 1;

    // Each rectangle counted once at its first cell and taken back past its
    // last, in both directions; running sums then give each cell its count.
    std::vector<int32_t> comptes(size_t((colonnes + 1) * (lignes + 1)), 0);
    const auto compte = [&](int64_t c, int64_t l) -> int32_t& { return comptes[size_t(l * (colonnes + 1) + c)]; };
    for (const ZoneDessin& z : zones) {
        if (z.droite < z.gauche || z.bas < z.haut)
            continue;
        const int64_t c0 = (z.gauche - origineX) / cote;
        const int64_t c1 = (z.droite - origineX) / cote + 1;
        const int64_t l0 = (z.haut - origineY) / cote;
        const int64_t l1 = (z.bas - origineY) / cote + 1;
        ++compte(c0, l0);
        --compte(c1, l0);
        --compte(c0, l1);
        ++compte(c1, l1);
    }
    cumuls.assign(comptes.size(), 0);
    for (int64_t l = 0; l < lignes; ++l) {
        for (int64_t c = 0; c < colonnes; ++c) {
            if (c > 0)
                compte(c, l) += compte(c - 1, l);
            if (l > 0)
                compte(c, l) += compte(c, l - 1);
            if (c > 0 && l > 0)
                compte(c, l) -= compte(c - 1, l - 1);
            Cumul(c + 1, l + 1) = (compte(c, l) > 0 ? 1 : 0) + Cumul(c, l + 1) + Cumul(c + 1, l) - Cumul(c, l);
        }
    }
}

bool CarteZones::Rencontre(int64_t gauche, int64_t haut, int64_t droite, int64_t bas) const
{
    gauche = std::max(gauche, origineX);
    haut = std::max(haut, origineY);
    droite = std::min(droite, origineX + colonnes * cote - 1);
    bas = std::min(bas, origineY + lignes * cote - 1);
    if (gauche > droite || haut > bas)
        return false;
    const int64_t c0 = (gauche - origineX) / cote;
    const int64_t c1 = (droite - origineX) / cote + 1;
    const int64_t l0 = (haut - origineY) / cote;
    const int64_t l1 = (bas - origineY) / cote + 1;
    return Cumul(c1, l1) - Cumul(c0, l1) - Cumul(c1, l0) + Cumul(c0, l0) > 0;
}

bool CarteZones::RencontreSegment(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t marge) const
{
    if (colonnes == 0)
        return false;
    if (std::abs(x2 - x1) >= std::abs(y2 - y1))
        return RencontreLeLongDeX(double(x1), double(y1), double(x2), double(y2), marge, false);
    return RencontreLeLongDeX(double(y1), double(x1), double(y2), double(x2), marge, true);
}

// Along the longer axis (u), one cell's width at a time: the part of the line
// over it, widened by the margin, is one box. The line's points between two
// whole u are at most one pixel from those at either, hence the extra one.
bool CarteZones::RencontreLeLongDeX(double u1, double v1, double u2, double v2, int64_t marge, bool transpose) const
{
    if (u1 > u2) {
        std::swap(u1, u2);
        std::swap(v1, v2);
    }
    const int64_t debut = transpose ? origineY : origineX;
    const int64_t fin = debut + (transpose ? lignes : colonnes) * cote - 1;
    const int64_t large = marge + 1;
    const auto premier = static_cast<int64_t>(std::max(u1, double(debut - large)));
    const auto dernier = static_cast<int64_t>(std::min(u2, double(fin + large)));
    const double pente = u2 > u1 ? (v2 - v1) / (u2 - u1) : 0.0;
    for (int64_t p = premier; p <= dernier;) {
        const int64_t q = std::min(dernier, p + cote - 1 - Modulo(p - debut, cote));
        const double vp = v1 + (double(p) - u1) * pente;
        const double vq = v1 + (double(q) - u1) * pente;
        const auto vMin = static_cast<int64_t>(std::floor(std::min(vp, vq))) - large;
        const auto vMax = static_cast<int64_t>(std::ceil(std::max(vp, vq))) + large;
        const bool touche =
            transpose ? Rencontre(vMin, p - large, vMax, q + large) : Rencontre(p - large, vMin, q + large, vMax);
        if (touche)
            return true;
        p = q + 1;
    }
    return false;
}

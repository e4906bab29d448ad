#include "LignesCoupees.h"

#include "ToileDirecte.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {
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

}  // namespace

void TracerLigneCoupee(const Toile& toile, QSize taille, QPointF depart, QPointF arrivee)
{
    Bout a{depart.x(), depart.y()};
    Bout b{arrivee.x(), arrivee.y()};
    const double gauche = -1;
    const double droite = taille.width() + 1;
    const double haut = -1;
    const double bas = taille.height() + 1;
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

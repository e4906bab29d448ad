#include "model/TGraphe.h"

#include <algorithm>
#include <limits>

namespace {
constexpr int64_t kMarge = 50;

int TailleClient(int64_t maximum)
{
    // Coordinates read from a file may sit at the very top of the int range.
    return static_cast<int>(std::min<int64_t>(maximum + kMarge, std::numeric_limits<int>::max()));
}
}  // namespace

void TGraphe::AjusterFenetre()
{
    FixerTailleSelonSommets();
    fenetre.Redessiner();
}

Point TGraphe::TailleSelonSommets() const
{
    int64_t maxX = 0;
    int64_t maxY = 0;
    for (const Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        maxX = std::max<int64_t>(maxX, s->x);
        maxY = std::max<int64_t>(maxY, s->y);
    }
    return {TailleClient(maxX), TailleClient(maxY)};
}

void TGraphe::FixerTailleSelonSommets()
{
    const Point taille = TailleSelonSommets();
    fenetre.FixerTailleClient(taille.x, taille.y);
}

void TGraphe::InverserPoids()
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            // Weights entered or read stay within ±INT32_MAX, where this is
            // exact; the unsigned form keeps it defined for any value.
            a->valeur = static_cast<int32_t>(0u - static_cast<uint32_t>(a->valeur));
    }
    poidsInverses = !poidsInverses;
}

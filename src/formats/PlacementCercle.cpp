#include "formats/PlacementCercle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void PlacerEnCercle(GrapheEchange& graphe)
{
    std::vector<SommetEchange*> sansPosition;
    for (SommetEchange& s : graphe.sommets) {
        if (!s.x || !s.y)
            sansPosition.push_back(&s);
    }
    if (sansPosition.empty())
        return;
    const double n = static_cast<double>(sansPosition.size());
    constexpr double kEcart = 40.0;
    constexpr double kMarge = 50.0;
    // Neighbours on the circle are a chord 2 r sin(pi / n) apart.
    const double rayon = n < 2 ? 0.0 : std::max(100.0, kEcart / (2 * std::sin(std::numbers::pi / n)));
    for (size_t i = 0; i < sansPosition.size(); ++i) {
        const double angle = 2 * std::numbers::pi * static_cast<double>(i) / n;
        sansPosition[i]->x = std::round(kMarge + rayon + rayon * std::cos(angle));
        sansPosition[i]->y = std::round(kMarge + rayon + rayon * std::sin(angle));
    }
}

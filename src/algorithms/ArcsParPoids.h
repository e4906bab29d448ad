#pragma once

#include "model/Sommet.h"

#include <cstdint>
#include <vector>

class TGraphe;

// Weights at or below this are never picked by the spanning-tree runs.
constexpr int32_t kPoidsPlancher = -1000000;

struct ArcDuGraphe {
    Arc* arc;
    Sommet* origine;  // the vertex whose chain holds the arc
};

// Every arc, in list order of the vertices and chain order within each.
std::vector<ArcDuGraphe> TousLesArcs(const TGraphe& graphe);

// Positions in `arcs` of those a run may pick (weight above the floor), in
// the order successive picks of the heaviest unmarked arc take them:
// heaviest first, earlier in list and chain order first among equals.
std::vector<int> OrdreDesChoix(const std::vector<ArcDuGraphe>& arcs);

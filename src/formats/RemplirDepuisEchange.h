#pragma once

#include "formats/GrapheEchange.h"

#include <string>
#include <vector>

class TGraphe;

// Fills the empty store `graphe` with the exchange's vertices and arcs, in
// their order, and its orientation. What the store cannot hold is adapted
// and told in French lines, one per change: names (AdaptationNoms.h),
// weights rounded to the nearest integer and held within ±2147483647 (a
// missing weight is 1, and not reported). Missing positions are placed
// (PlacementCercle.h); positions are rounded and held within 32 bits.
std::vector<std::string> RemplirDepuisEchange(GrapheEchange echange, TGraphe& graphe);

#pragma once

#include "formats/GrapheEchange.h"

#include <cstddef>

// Lays out a graph whose file gave no position to some vertex: every vertex
// then gets one (a partial set of positions is not kept, as a layout around
// it would collide with it). Graphviz's "neato" places the vertices with a
// fixed seed, so that the same graph always gets the same picture; the
// result is in whole window pixels, vertices at least kEcartMinimal apart,
// the whole at kMarge or more from the window's top-left corner so that the
// names drawn around the vertices show. A graph whose vertices all have
// positions is left alone.
void DisposerSommets(GrapheEchange& graphe);

constexpr double kEcartMinimal = 40;
constexpr double kMarge = 70;

// neato compares every pair of vertices: beyond a few hundred it takes
// seconds, and its multilevel cousin "sfdp" (seeded the same way) takes
// over; beyond a thousand that too is slow, and the vertices go on a grid
// in their order.
constexpr size_t kSommetsMaxNeato = 300;
constexpr size_t kSommetsMaxDisposition = 1000;

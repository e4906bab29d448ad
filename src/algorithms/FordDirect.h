#pragma once

#include "algorithms/IndexNumeros.h"
#include "model/Avancement.h"

#include <cstdint>
#include <optional>
#include <vector>

class Deroulement;

// Ford's result without its passes, where the graph allows it: the passes
// settle on the least sums from the departure, and their last pass, run on
// those sums, picks every predecessor. When every weight is zero or
// positive, Dijkstra's search finds those sums; when the graph has no
// circuit, one walk in topological order does. Either way no circuit can be
// absorbing. Their number grows with the longest path in arcs, so a long
// chain costs the passes its length squared, and these a few walks.
// Empty when neither applies, or when the predecessors close a circuit of
// weight 0: then only the passes' history can untie them.
std::optional<std::vector<int32_t>> PredecesseursFordDirects(const IndexNumeros& index, int32_t depart);

// The passes themselves, whatever the graph.
std::optional<std::vector<int32_t>> PredecesseursFordParPasses(const IndexNumeros& index, int32_t depart,
                                                               Deroulement* deroulement = nullptr,
                                                               Avancement avancement = {});

#pragma once

#include "algorithms/Chemins.h"
#include "algorithms/IndexNumeros.h"
#include "model/Avancement.h"

#include <cstdint>
#include <optional>
#include <vector>

// The computing cores of the path algorithms, apart from their prompts and
// messages. Each returns the predecessor table indexed by the numbers of
// `index`, kAucunSommet where a vertex has none. Sums are taken on
// 64 bits, so no weight can overflow them. A recorder, numbered by `index`
// beforehand (Deroulement::Numeroter), receives the rows of the run;
// `avancement` hears how far the run has come.

// Weights must be zero or positive. Every vertex still to settle is eligible
// up to the distance 1000000 (unreached ones included); among equal distances
// the highest number is settled first.
std::vector<int32_t> PredecesseursDijkstra(const IndexNumeros& index, int32_t depart,
                                           Deroulement* deroulement = nullptr, Avancement avancement = {});

// In Bellman's and Ford's algorithms a vertex at the distance 1000000 or
// beyond is not reached: it passes nothing on and never becomes a
// predecessor, so every path found starts at the departure.

// The vertices carry the topological numbers 1 to `nbSommets`; distances run
// from `depart`, and among equal sums the lowest origin number wins, then the
// first arc in chain order.
std::vector<int32_t> PredecesseursBellman(const IndexNumeros& index, int32_t nbSommets, int32_t depart,
                                          Deroulement* deroulement = nullptr, Avancement avancement = {});

// Passes that each read only the previous one, at most the table size plus
// one; empty when the graph holds an absorbing circuit, whether the departure
// reaches it or not.
std::optional<std::vector<int32_t>> PredecesseursFord(const IndexNumeros& index, int32_t depart,
                                                      Deroulement* deroulement = nullptr, Avancement avancement = {});

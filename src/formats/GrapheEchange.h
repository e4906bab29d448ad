#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A graph as the exchange formats carry it, between their readers and
// writers and the store: names in UTF-8 of any length, positions and
// weights as the file gave them. What the store cannot hold (names outside
// Windows-1252 or too long, fractional weights, missing positions) is
// adapted only when the graph enters the store, where it can be reported.

struct SommetEchange {
    std::string nom;
    std::optional<double> x;
    std::optional<double> y;
    std::optional<int32_t> numero;
};

// An arc between two vertices named by their index in `sommets`. A
// non-oriented graph holds each edge once.
struct ArcEchange {
    size_t origine = 0;
    size_t cible = 0;
    std::optional<double> poids;
};

struct GrapheEchange {
    bool oriente = true;
    std::vector<SommetEchange> sommets;
    std::vector<ArcEchange> arcs;
};

#pragma once

#include "formats/GrapheEchange.h"

#include <string>

// What a file may bring into a store, far beyond any drawn graph, so that
// a file of short lines cannot claim gigabytes: records cost far more than
// the few bytes that name them.
constexpr size_t kSommetsEchangeMax = 200000;
constexpr size_t kArcsEchangeMax = 1000000;

// Empty while `graphe` stays within the limits, else the French reason.
inline std::string Depassement(const GrapheEchange& graphe)
{
    if (graphe.sommets.size() > kSommetsEchangeMax)
        return "plus de " + std::to_string(kSommetsEchangeMax) + " sommets.";
    if (graphe.arcs.size() > kArcsEchangeMax)
        return "plus de " + std::to_string(kArcsEchangeMax) + " arcs.";
    return {};
}

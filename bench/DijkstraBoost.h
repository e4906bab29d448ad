#pragma once

#include "GrapheAleatoire.h"

// Seconds taken by the Boost Graph Library's Dijkstra from vertex `source`
// on the same vertices, arcs and weights (the graph built beforehand).
double MesurerDijkstraBoost(const GrapheGenere& graphe, int source);

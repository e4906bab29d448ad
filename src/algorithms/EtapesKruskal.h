#pragma once

#include "algorithms/ArcsParPoids.h"
#include "algorithms/Deroulement.h"

#include <vector>

// The rows of a spanning-tree run: the arcs at positions `choix` of `arcs`,
// in the order the run considered them, each kept when `gardes` says so (by
// position in `choix`); then every arc too light for any pick, refused.
void NoterArcsConsideres(Deroulement& deroulement, const std::vector<ArcDuGraphe>& arcs, const std::vector<int>& choix,
                         const std::vector<bool>& gardes, Raison siGarde, Raison siRefus);

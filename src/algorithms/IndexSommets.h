#pragma once

#include "model/Sommet.h"
#include "model/TableNoms.h"

#include <cstdint>
#include <vector>

// One run's view of a vertex list: the vertices by position, and for each
// name the first vertex bearing it, which is the one every lookup by name
// answers with. Built once per run so that following an arc costs a hash
// lookup instead of a walk of the list. Names compare on their first 19
// bytes, as MemeNom compares them. Valid while no vertex is added,
// removed or renamed.
class IndexSommets {
public:
    explicit IndexSommets(Sommet* premierSommet);

    int32_t Nombre() const { return static_cast<int32_t>(sommets.size()); }
    Sommet& operator[](int32_t position) const { return *sommets[size_t(position)]; }
    // Position of the first vertex bearing `nom`, or -1: an arc whose target
    // no vertex bears leads nowhere.
    int32_t Position(const char (&nom)[kTailleNom]) const;
    // Position of the first vertex bearing the same name as the one at `position`.
    int32_t Porteur(int32_t position) const { return porteurs[size_t(position)]; }
    // For each first bearer, the arc records of every chain that name it; 0
    // for later homonyms, which no name reaches.
    std::vector<int32_t> ArcsEntrants() const;

private:
    std::vector<Sommet*> sommets;
    std::vector<int32_t> porteurs;
    TableNoms positions{0};
};

#pragma once

#include "algorithms/ArcsParPoids.h"
#include "algorithms/IndexSommets.h"
#include "model/TableNoms.h"

#include <cstdint>
#include <vector>

// The mirrors of a non-oriented graph's arcs for the spanning-tree run that
// removes arcs: the records of each chain grouped by the name they lead to
// and their weight, in chain order within a group. A sorted table: a map
// with a node per arc was most of that run's memory on a large graph.
class Miroirs {
public:
    // `arcs` in list order of the vertices of `sommets`, chain order within.
    Miroirs(const std::vector<ArcDuGraphe>& arcs, const IndexSommets& sommets);

    // The first record not yet taken (`etapeDe` below 0) of the chain of the
    // vertex at `proprietaire` that names `nom` with `poids`, or -1. Records
    // found taken are passed over for good.
    int Prendre(int32_t proprietaire, const char (&nom)[kTailleNom], int32_t poids, const std::vector<int>& etapeDe);

private:
    struct Entree {
        int32_t proprietaire;  // position of the vertex whose chain holds it
        int32_t nom;           // its target's name, numbered in `noms`
        int32_t poids;
        int32_t arc;  // position in the arcs

        auto operator<=>(const Entree&) const = default;
        bool MemeGroupe(const Entree& autre) const
        {
            return proprietaire == autre.proprietaire && nom == autre.nom && poids == autre.poids;
        }
    };

    TableNoms noms;
    std::vector<Entree> entrees;
    std::vector<int32_t> libres;  // at a group's first entry: its first entry not known taken
};

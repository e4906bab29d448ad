#pragma once

#include "model/Sommet.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

class TGraphe;

// The lookups of the path algorithms, built once per run so that no step
// walks the vertex list: vertex by number and number by name, with the same
// answers as SommetNumero and NumeroSommet at the time of building. The graph
// must not change while it is in use: it keeps views of the vertex names.
class IndexNumeros {
public:
    // Indexes the numbers 0 to `taille` - 1.
    IndexNumeros(const TGraphe& graphe, int32_t taille);

    int32_t Taille() const { return static_cast<int32_t>(parNumero.size()); }
    // Null for a number no vertex answers to, or one outside the table.
    Sommet* SommetNumero(int32_t numero) const;
    // The number of the first vertex bearing `nom`; -1 when none does or when
    // that number lies outside the table.
    int32_t Numero(const char* nom) const;

private:
    std::vector<Sommet*> parNumero;
    std::unordered_map<std::string_view, int32_t> numeroParNom;
};

// An arc seen from its target: its origin's number and its weight.
struct ArcEntrant {
    int32_t origine;
    int32_t poids;
};

// Every indexed vertex's incoming arcs, ordered by origin number and then by
// chain order: the order in which the relaxations meet them.
class ListesEntrantes {
public:
    explicit ListesEntrantes(const IndexNumeros& index);
    std::span<const ArcEntrant> De(int32_t numero) const;

private:
    // Arcs of vertex n at debuts[n] .. debuts[n + 1] of `arcs`.
    std::vector<int32_t> debuts;
    std::vector<ArcEntrant> arcs;
};

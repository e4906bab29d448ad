#pragma once

#include "model/Sommet.h"
#include "model/TableNoms.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class TGraphe;

// The lookups of the path algorithms, built once per run so that no step
// walks the vertex list: vertex by number and number by name, with the same
// answers as SommetNumero and NumeroSommet at the time of building. The graph
// must not change while it is in use: it keeps pointers to the vertices.
class IndexNumeros {
public:
    // Indexes the numbers 0 to `taille` - 1 of the graph's vertices.
    IndexNumeros(const TGraphe& graphe, int32_t taille);
    // An index of the numbers 0 to `taille` - 1 to fill vertex by vertex, for
    // a run that walks the list anyway.
    explicit IndexNumeros(int32_t taille);

    // The next vertex of the list, numbered `numero`: its own number when it
    // holds one (`numeroPropre`), else its position in the list.
    void Ajouter(Sommet& sommet, int32_t numero, bool numeroPropre);

    int32_t Taille() const { return static_cast<int32_t>(parNumero.size()); }
    // Null for a number no vertex answers to, or one outside the table.
    Sommet* SommetNumero(int32_t numero) const;
    // The number of the first vertex bearing `nom`; -1 when none does or when
    // that number lies outside the table.
    int32_t Numero(const char (&nom)[kTailleNom]) const;
    // The number given to the first vertex bearing `nom`, inside the table
    // or not; none when no vertex bears it.
    std::optional<int32_t> NumeroDonne(const char (&nom)[kTailleNom]) const;
    // Whether a vertex answers to the number and bears a name. Kept apart
    // from the vertices, so that asking costs no visit to their records.
    bool Nomme(int32_t numero) const { return numero >= 0 && numero < Taille() && nommes[size_t(numero)]; }

private:
    std::vector<Sommet*> parNumero;
    std::vector<bool> nommes;
    TableNoms numeroParNom;
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

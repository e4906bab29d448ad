#pragma once

#include <cstddef>
#include <cstdint>

// A vertex name: Windows-1252 bytes, at most 19, NUL-terminated, so that
// ".gff" files exchange with other machines byte for byte.
constexpr int kTailleNom = 20;
constexpr int kLongueurNomMax = kTailleNom - 1;

// One record type for vertices and arcs. A vertex's chain of outgoing arcs
// starts at the vertex record itself; an arc carries a copy of its target's
// name and position.
struct Sommet final {
    char nom[kTailleNom] = {};
    int32_t x = 0;
    int32_t y = 0;
    int32_t valeur = 0;    // vertex: its number (0 = unnumbered); arc: its weight
    int32_t compteur = 0;  // scratch counter of the topological numbering
    bool marque = false;
    Sommet* arcSuivant = nullptr;
    Sommet* sommetSuivant = nullptr;

    // Records made with `new` come from their own reserve
    // (model/ReserveEnregistrements.h).
    static void* operator new(std::size_t taille);
    static void operator delete(void* enregistrement) noexcept;
};
using Arc = Sommet;

// Copies at most 19 bytes of `source` and always terminates `dest`.
void CopierNom(char (&dest)[kTailleNom], const char* source);

// Exact, case-sensitive comparison of two names as a record stores them: a
// text longer than 19 bytes names the vertex of its first 19, the only ones
// CopierNom keeps.
bool MemeNom(const char* a, const char* b);

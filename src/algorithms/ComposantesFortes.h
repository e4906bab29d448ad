#pragma once

#include "algorithms/IndexSommets.h"

#include <cstdint>
#include <vector>

// The strongly connected components of one run's vertex list: classes of
// vertices that reach each other along the arcs, whatever the list order.
// Each vertex record's own chain leaves it; an arc leads to the first vertex
// bearing its target's name and is not followed when no vertex bears it.
// Tarjan's algorithm with an explicit stack, so that a long chain of
// vertices cannot overflow the call stack; linear in vertices plus arcs.
class ComposantesFortes {
public:
    explicit ComposantesFortes(const IndexSommets& index);

    int32_t Nombre() const { return nombre; }
    // True when some vertex reaches every vertex along the arcs: exactly one
    // component has no arc coming in from another one.
    bool PossedeUneRacine() const;

private:
    struct Appel {
        int32_t sommet;
        const Arc* arc;  // the next arc of its chain to follow
    };

    const IndexSommets& index;
    std::vector<int32_t> composante;  // per position; -1 until its class closes
    std::vector<int32_t> ordre;       // visit rank; -1 before the visit
    std::vector<int32_t> remontee;    // lowest rank reachable from the subtree
    std::vector<int32_t> ouverts;     // visited, class not yet closed
    std::vector<Appel> appels;
    int32_t rang = 0;
    int32_t nombre = 0;

    void Explorer(int32_t depart);
    void Visiter(int32_t sommet);
    void Suivre(Appel& appel);
    void Quitter();
    void FermerClasse(int32_t racine);
};

#pragma once

#include "model/Sommet.h"
#include "model/TableNoms.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class TGraphe;

// Adds vertices and arcs as TGraphe::AjouterSommet and AjouterArc do, with
// the same records in the same order, the same counters and the same
// messages, but without walking the vertex list and the chain at each
// addition: result windows of thousands of records are built this way.
// Nothing else may change the graph while it is in use.
class RemplissageGraphe {
public:
    explicit RemplissageGraphe(TGraphe& graphe);

    void AjouterSommet(const char* nom, int32_t x, int32_t y);
    void AjouterArc(const char* origine, const char* cible, int32_t poids);

private:
    // An arc leaves the last vertex bearing its origin's name and copies the
    // first one bearing its target's.
    struct Porteurs {
        Sommet* premier;
        Sommet* dernier;
    };

    TGraphe& graphe;
    TableNoms numeros{0};  // name to its place in `porteurs`
    std::vector<Porteurs> porteurs;
    std::unordered_map<const Sommet*, Arc*> finsDeChaine;
    Sommet* dernierSommet = nullptr;

    void Indexer(Sommet* sommet);
    const Porteurs* Chercher(const char* nom) const;
    void Relier(Sommet& depart, const Sommet& arrivee, int32_t poids);
    Arc*& FinDeChaine(Sommet& sommet);
};

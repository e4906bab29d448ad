#pragma once

#include "model/Sommet.h"

#include <string_view>
#include <unordered_map>
#include <vector>

class TGraphe;

// The vertices of a graph by name, as the lookups by name see them: a name
// stands for the first vertex in list order that bears it. Built once per
// run so that a step does not walk the vertex list; the graph's vertex
// records must outlive it.
class IndexNoms {
public:
    explicit IndexNoms(const TGraphe& graphe);

    // The names numbered 0, 1, ... in list order of their first bearer;
    // -1 for a name no vertex bears.
    int Numero(std::string_view nom) const;
    // The first vertex bearing the name, or null.
    Sommet* Premier(std::string_view nom) const;
    Sommet* Porteur(int numero) const { return porteurs[numero]; }
    int Nombre() const { return static_cast<int>(porteurs.size()); }

private:
    std::unordered_map<std::string_view, int> numeros;
    std::vector<Sommet*> porteurs;
};

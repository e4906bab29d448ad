#pragma once

#include "model/TGraphe.h"

#include <string>
#include <vector>

// Helpers shared by the core tests.

// The vertex names in list order.
inline std::vector<std::string> NomsSommets(const TGraphe& g)
{
    std::vector<std::string> noms;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        noms.emplace_back(s->nom);
    return noms;
}

// A vertex's chain as "target:weight" items, in chain order.
inline std::vector<std::string> Chaine(const TGraphe& g, const char* nom)
{
    std::vector<std::string> arcs;
    const Sommet* s = g.ChercherSommet(nom);
    for (const Arc* a = s != nullptr ? s->arcSuivant : nullptr; a != nullptr; a = a->arcSuivant)
        arcs.push_back(std::string(a->nom) + ":" + std::to_string(a->valeur));
    return arcs;
}

// Counts the records actually held: {vertices, arcs}.
inline std::pair<int, int> CompterEnregistrements(const TGraphe& g)
{
    int sommets = 0;
    int arcs = 0;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        ++sommets;
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            ++arcs;
    }
    return {sommets, arcs};
}

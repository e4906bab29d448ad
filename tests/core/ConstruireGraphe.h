#pragma once

#include "model/TGraphe.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Builders and views shared by the algorithm tests.

// Adds the vertices named by the words of `sommets`, in that order, then the
// arcs written "A>B" (weight 1) through AjouterArc, so that a non-oriented
// graph gets both records of each edge.
inline void Construire(TGraphe& g, const std::string& sommets, const std::string& arcs = "")
{
    std::istringstream noms(sommets);
    for (std::string nom; noms >> nom;)
        g.AjouterSommet(nom.c_str(), 0, 0);
    std::istringstream liste(arcs);
    for (std::string arc; liste >> arc;) {
        const size_t fleche = arc.find('>');
        g.AjouterArc(arc.substr(0, fleche).c_str(), arc.substr(fleche + 1).c_str(), 1);
    }
}

// The labels as the drawing shows them, in list order: "A[1] B[2] C".
inline std::string Etiquettes(const TGraphe& g)
{
    std::string texte;
    for (const Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (s != g.premierSommet)
            texte += ' ';
        texte += s->nom;
        if (s->valeur != 0)
            texte += '[' + std::to_string(s->valeur) + ']';
    }
    return texte;
}

// A large oriented graph built by linking records directly: adding arcs one
// by one through the store walks the vertex list each time. Vertices "S0",
// "S1"... are listed in a shuffled order; with `sansCircuit` every arc runs
// from a smaller to a larger index, so the whole graph can be numbered.
inline void ConstruireGrand(TGraphe& g, int32_t nbSommets, int32_t nbArcs, bool sansCircuit, uint32_t graine)
{
    std::mt19937 alea(graine);
    std::vector<Sommet*> sommets;
    for (int32_t i = 0; i < nbSommets; ++i) {
        auto* s = new Sommet;
        CopierNom(s->nom, ("S" + std::to_string(i)).c_str());
        sommets.push_back(s);
    }
    std::vector<Sommet*> queues(sommets);
    std::uniform_int_distribution<int32_t> tirage(0, nbSommets - 1);
    for (int32_t k = 0; k < nbArcs; ++k) {
        int32_t origine = tirage(alea);
        int32_t cible = tirage(alea);
        if (sansCircuit) {
            while (origine == cible)
                cible = tirage(alea);
            if (origine > cible)
                std::swap(origine, cible);
        }
        auto* arc = new Arc;
        CopierNom(arc->nom, sommets[size_t(cible)]->nom);
        arc->valeur = 1;
        queues[size_t(origine)]->arcSuivant = arc;
        queues[size_t(origine)] = arc;
    }
    std::shuffle(sommets.begin(), sommets.end(), alea);
    for (size_t i = 0; i + 1 < sommets.size(); ++i)
        sommets[i]->sommetSuivant = sommets[i + 1];
    g.premierSommet = sommets.empty() ? nullptr : sommets.front();
    g.nbSommets = nbSommets;
    g.nbArcs = nbArcs;
}

#pragma once

#include "GrapheAleatoire.h"
#include "model/TGraphe.h"

#include <cstdint>
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
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        if (s != g.PremierSommet())
            texte += ' ';
        texte += s->nom;
        if (s->valeur != 0)
            texte += '[' + std::to_string(s->valeur) + ']';
    }
    return texte;
}

// A large oriented graph from the shared random builder: vertices "S0",
// "S1"... listed in a shuffled order; with `sansCircuit` every arc runs from
// a smaller to a larger index, so the whole graph can be numbered.
inline void ConstruireGrand(TGraphe& g, int32_t nbSommets, int32_t nbArcs, bool sansCircuit, uint32_t graine)
{
    Tirage tirage;
    tirage.sommets = nbSommets;
    tirage.arcs = nbArcs;
    tirage.sansCircuit = sansCircuit;
    tirage.melange = true;
    tirage.graine = graine;
    Remplir(g, Tirer(tirage));
}

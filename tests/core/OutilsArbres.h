#pragma once

#include "OutilsGraphe.h"

#include "model/TGraphe.h"

#include <string>
#include <vector>

// Helpers of the spanning-tree tests.

struct ArcDecrit {
    std::string origine;
    std::string cible;
    int32_t poids;
};

// Vertices at distinct positions (the i-th at 10 + 40 i, 20 + 30 i), then the
// arcs through AjouterArc (both ways when the graph is not oriented).
inline void Construire(TGraphe& g, bool oriente, const std::vector<std::string>& noms,
                       const std::vector<ArcDecrit>& arcs)
{
    g.FixerOriente(oriente);
    for (size_t i = 0; i < noms.size(); ++i)
        g.AjouterSommet(noms[i].c_str(), 10 + 40 * int32_t(i), 20 + 30 * int32_t(i));
    for (const ArcDecrit& a : arcs)
        g.AjouterArc(a.origine.c_str(), a.cible.c_str(), a.poids);
}

// A chain as "target:weight" items, with a star on the marked arcs.
inline std::vector<std::string> ChaineMarquee(const TGraphe& g, const char* nom)
{
    std::vector<std::string> arcs;
    const Sommet* s = g.ChercherSommet(nom);
    for (const Arc* a = s != nullptr ? s->arcSuivant : nullptr; a != nullptr; a = a->arcSuivant)
        arcs.push_back(std::string(a->nom) + ":" + std::to_string(a->valeur) + (a->marque ? "*" : ""));
    return arcs;
}

// The whole graph in one line: each vertex with its position and marked
// chain, then the counters and flags; equal texts mean equal graphs.
inline std::string Decrire(const TGraphe& g)
{
    std::string texte;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        texte += std::string(s->nom) + "(" + std::to_string(s->x) + "," + std::to_string(s->y) + ")[";
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            texte += std::string(a->nom) + ":" + std::to_string(a->valeur) + (a->marque ? "* " : " ");
        texte += "] ";
    }
    return texte + "n=" + std::to_string(g.NbSommets()) + " m=" + std::to_string(g.NbArcs())
         + (g.Oriente() ? " oriente" : " non oriente") + (g.PoidsInverses() ? " inverses" : "");
}

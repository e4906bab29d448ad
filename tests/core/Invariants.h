#pragma once

#include "model/TGraphe.h"

#include <sstream>
#include <string>
#include <vector>

// Whole-graph checks shared by the randomized sessions and the fuzz target.
// They need no test framework: each returns readable text, empty when sound.

// Every field that a save keeps but the stored path, in list and chain
// order, one line a vertex.
inline std::string PhotoGraphe(const TGraphe& g)
{
    std::ostringstream photo;
    photo << "sommets=" << g.NbSommets() << " arcs=" << g.NbArcs() << " oriente=" << g.Oriente() << '\n';
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        photo << s->nom << '(' << s->x << ',' << s->y << ")#" << s->valeur << ':';
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            photo << ' ' << a->nom << '(' << a->x << ',' << a->y << ")=" << a->valeur;
        photo << '\n';
    }
    return photo.str();
}

// The counters against the records held; for a graph built by editing (not
// read from a file), also every arc against its target and, when the graph is
// not oriented, every edge against its mirror.
inline std::string EcartsInvariants(const TGraphe& g, bool construitParEdition)
{
    std::ostringstream ecarts;
    int sommets = 0;
    int arcs = 0;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        ++sommets;
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            ++arcs;
            if (a->sommetSuivant != nullptr)
                ecarts << "arc " << s->nom << "->" << a->nom << " relie a un sommet\n";
            if (!construitParEdition)
                continue;
            const Sommet* cible = g.ChercherSommet(a->nom);
            if (cible == nullptr)
                ecarts << "arc " << s->nom << "->" << a->nom << " vers aucun sommet\n";
            else if (cible->x != a->x || cible->y != a->y)
                ecarts << "arc " << s->nom << "->" << a->nom << " en (" << a->x << ',' << a->y << ") et sa cible en ("
                       << cible->x << ',' << cible->y << ")\n";
        }
    }
    if (sommets != g.NbSommets())
        ecarts << "nbSommets " << g.NbSommets() << " pour " << sommets << " enregistrements\n";
    if (arcs != g.NbArcs())
        ecarts << "nbArcs " << g.NbArcs() << " pour " << arcs << " enregistrements\n";
    if (construitParEdition && !g.Oriente()) {
        // Each record O->T (weight w) needs as many T->O records of weight w
        // as there are O->T records of weight w; a loop's two copies pair up.
        for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
            for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
                int allers = 0;
                int retours = 0;
                for (const Arc* b = s->arcSuivant; b != nullptr; b = b->arcSuivant)
                    allers += MemeNom(b->nom, a->nom) && b->valeur == a->valeur;
                const Sommet* cible = g.ChercherSommet(a->nom);
                for (const Arc* b = cible != nullptr ? cible->arcSuivant : nullptr; b != nullptr; b = b->arcSuivant)
                    retours += MemeNom(b->nom, s->nom) && b->valeur == a->valeur;
                const bool boucle = MemeNom(s->nom, a->nom);
                if (boucle ? allers % 2 != 0 : allers != retours)
                    ecarts << "arete " << s->nom << "-" << a->nom << " (" << a->valeur << ") sans miroir\n";
            }
        }
    }
    return ecarts.str();
}

#pragma once

#include "FauxServices.h"
#include "OutilsGraphe.h"
#include "algorithms/Commandes.h"

#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

// Helpers of the path tests: a graph built from short lists, a command run
// with the two names answered, the path window it opened.

struct ArcDonne {
    const char* origine;
    const char* cible;
    int32_t poids;
};

// Vertices at (10 + 30 i, 20 + 40 i), i being the list position.
inline void AjouterSommets(TGraphe& g, std::initializer_list<const char*> noms)
{
    int32_t i = 0;
    for (const char* nom : noms) {
        g.AjouterSommet(nom, 10 + 30 * i, 20 + 40 * i);
        ++i;
    }
}

inline void AjouterArcs(TGraphe& g, std::initializer_list<ArcDonne> arcs)
{
    for (const ArcDonne& a : arcs)
        g.AjouterArc(a.origine, a.cible, a.poids);
}

inline void Executer(FauxServices& fenetre, TGraphe& g, Commande commande, const std::string& depart,
                     const std::string& arrivee)
{
    fenetre.reponsesExtremites.emplace_back(depart, arrivee);
    ExecuterCommande(g, commande);
}

// The path window the last run opened, or null when it opened none.
inline const TGraphe* FenetreChemin(const FauxServices& fenetre)
{
    return fenetre.resultats.empty() ? nullptr : fenetre.resultats.back().graphe.get();
}

// Every arc of a graph as "origin>target:weight", in list then chain order.
inline std::vector<std::string> ArcsEnTexte(const TGraphe& g)
{
    std::vector<std::string> arcs;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            arcs.push_back(std::string(s->nom) + ">" + a->nom + ":" + std::to_string(a->valeur));
    }
    return arcs;
}

inline std::vector<int32_t> Numeros(const TGraphe& g)
{
    std::vector<int32_t> numeros;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        numeros.push_back(s->valeur);
    return numeros;
}

inline void Numeroter(TGraphe& g, std::initializer_list<int32_t> numeros)
{
    Sommet* s = g.PremierSommet();
    for (int32_t numero : numeros) {
        s->valeur = numero;
        s = s->sommetSuivant;
    }
}

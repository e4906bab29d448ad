#pragma once

#include "model/ListeNoms.h"
#include "model/TGraphe.h"

#include <cstdint>
#include <optional>

// Word-for-word versions of the numbering and of the traversal, walking the
// lists for every lookup as the store's own operations do. The algorithms
// index the graph for speed; these say what the answers must be. Only two
// liberties: an arc whose target no vertex bears is skipped, and a traversal
// that would spin for ever (nothing queued, nothing unmarked, fewer vertices
// processed than the count) answers nothing.

inline int32_t NumerotationLitterale(TGraphe& g)
{
    int32_t c = 1;
    ListeNoms file;
    for (Sommet* v = g.PremierSommet(); v != nullptr; v = v->sommetSuivant) {
        v->valeur = 0;
        v->compteur = g.DemiDegreInterieur(v->nom);
        if (v->compteur == 0) {
            file.Inserer(*v);
            v->valeur = c++;
        }
    }
    char nom[kTailleNom];
    while (!file.EstVide()) {
        file.Premier(nom);
        for (Arc* a = g.ChercherSommet(nom)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            Sommet* t = g.ChercherSommet(a->nom);
            if (t == nullptr)
                continue;
            if (--t->compteur == 0) {
                file.Inserer(*a);
                t->valeur = c++;
            }
        }
        file.Retirer(nom);
    }
    return c;
}

inline std::optional<int32_t> DepartsLitteraux(TGraphe& g, bool deuxSens)
{
    int32_t c = 1;
    int32_t p = 0;
    for (Sommet* v = g.PremierSommet(); v != nullptr; v = v->sommetSuivant)
        v->marque = false;
    ListeNoms file;
    if (g.PremierSommet() != nullptr) {
        file.Inserer(*g.PremierSommet());
        g.PremierSommet()->marque = true;
    }
    char nom[kTailleNom];
    while (p != g.NbSommets()) {
        if (file.EstVide()) {
            Sommet* v = g.PremierSommet();
            while (v != nullptr && v->marque)
                v = v->sommetSuivant;
            if (v == nullptr)
                return std::nullopt;
            file.Inserer(*v);
            v->marque = true;
            ++c;
        }
        file.Premier(nom);
        for (Arc* a = g.ChercherSommet(nom)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            Sommet* t = g.ChercherSommet(a->nom);
            if (t != nullptr && !t->marque) {
                t->marque = true;
                file.Inserer(*a);
            }
        }
        if (deuxSens) {
            for (Sommet* v = g.PremierSommet(); v != nullptr; v = v->sommetSuivant) {
                if (!v->marque && g.ExisteArc(v->nom, nom)) {
                    v->marque = true;
                    file.Inserer(*v);
                }
            }
        }
        file.Retirer(nom);
        ++p;
    }
    return c;
}

inline bool EulerienLitteral(TGraphe& g)
{
    bool r = DepartsLitteraux(g, true) == 1;
    for (Sommet* v = g.PremierSommet(); v != nullptr && r; v = v->sommetSuivant) {
        const int32_t degre = g.Oriente() ? g.Degre(v->nom) : g.DemiDegreExterieur(v->nom);
        if (degre % 2 != 0)
            r = false;
    }
    return r;
}

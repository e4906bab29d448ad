#pragma once

// Word-for-word versions of the cycle test and of the two spanning-tree
// runs, slow on purpose, against which the program's runs are compared. They
// apply the same rulings where the plain steps fall short: a step that can
// pick nothing does nothing, the arc marked is the one picked, and the second
// run puts back every arc its removal took, in order, marked. Connectivity is
// the word-for-word traversal of ReferenceLitterale.h.

#include "ReferenceLitterale.h"

#include "model/ListeNoms.h"
#include "model/TGraphe.h"
#include "algorithms/Kruskal.h"

#include <string>
#include <vector>

namespace litteral {

inline void EffacerMarquesSommets(TGraphe& g)
{
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        s->marque = false;
}

inline Sommet* PremierNonMarque(const TGraphe& g)
{
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        if (!s->marque)
            return s;
    }
    return nullptr;
}

inline bool ContientCycle(TGraphe& g)
{
    int32_t p = 0;
    EffacerMarquesSommets(g);
    ListeNoms l;
    if (g.PremierSommet() == nullptr)
        return false;
    l.Inserer(*g.PremierSommet());
    g.PremierSommet()->marque = true;
    while (p != g.NbSommets()) {
        if (l.EstVide()) {
            if (Sommet* s = PremierNonMarque(g)) {
                l.Inserer(*s);
                s->marque = true;
            }
        }
        char n[kTailleNom];
        l.Premier(n);
        for (Arc* a = g.ChercherSommet(n)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            Sommet* t = g.ChercherSommet(a->nom);
            if (t->marque)
                return true;
            t->marque = true;
            l.Inserer(a->nom);
        }
        l.Retirer(n);
        ++p;
    }
    return false;
}

inline void EffacerMarquesArcs(TGraphe& g)
{
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            a->marque = false;
    }
}

inline void Kruskal1(TGraphe& s, TGraphe& r)
{
    EffacerMarquesArcs(s);
    char o[kTailleNom] = "";
    char t[kTailleNom] = "";
    const int32_t n = s.NbArcs();
    for (int32_t k = 0; k < n; ++k) {
        Arc* a = ArcLePlusLourd(s, o, t);
        if (a == nullptr)
            continue;
        Sommet* u = s.ChercherSommet(o);
        a->marque = true;
        bool oNouveau = false;
        bool tNouveau = false;
        if (r.NumeroSommet(o) == -1) {
            r.AjouterSommet(o, u->x, u->y);
            oNouveau = true;
        }
        if (r.NumeroSommet(t) == -1) {
            r.AjouterSommet(t, a->x, a->y);
            tNouveau = true;
        }
        if (!r.ExisteArc(o, t))
            r.AjouterArc(o, t, s.PoidsInverses() ? -a->valeur : a->valeur);
        if (litteral::ContientCycle(r)) {
            r.SupprimerArc(o, t);
            if (oNouveau)
                r.SupprimerSommet(o);
            if (tNouveau)
                r.SupprimerSommet(t);
        }
    }
    r.AjusterFenetre();
}

inline std::vector<int32_t> PoidsVers(const TGraphe& g, const char* origine, const char* cible)
{
    std::vector<int32_t> poids;
    for (const Arc* a = g.ChercherSommet(origine)->arcSuivant; a != nullptr; a = a->arcSuivant) {
        if (MemeNom(a->nom, cible))
            poids.push_back(a->valeur);
    }
    return poids;
}

inline void RemettreMarques(TGraphe& g, const char* origine, const char* cible,
                            const std::vector<int32_t>& poids)
{
    for (int32_t w : poids) {
        g.AjouterArc(origine, cible, w);
        Arc* dernier = g.ChercherSommet(origine);
        while (dernier->arcSuivant != nullptr)
            dernier = dernier->arcSuivant;
        dernier->marque = true;
    }
}

inline void Kruskal2(TGraphe& g)
{
    EffacerMarquesArcs(g);
    char o[kTailleNom] = "";
    char t[kTailleNom] = "";
    int32_t k = 0;
    while (k < g.NbArcs()) {
        Arc* a = ArcLePlusLourd(g, o, t);
        if (a == nullptr)
            break;
        a->marque = true;
        const std::vector<int32_t> aller = PoidsVers(g, o, t);
        const bool retour = !g.Oriente() && !MemeNom(o, t);
        const std::vector<int32_t> arrivee = retour ? PoidsVers(g, t, o) : std::vector<int32_t>{};
        g.SupprimerArc(o, t);
        if (DepartsLitteraux(g, true) != 1) {
            const bool oriente = g.Oriente();
            g.FixerOriente(true);
            RemettreMarques(g, o, t, aller);
            RemettreMarques(g, t, o, arrivee);
            g.FixerOriente(oriente);
        }
        ++k;
    }
}

}  // namespace litteral

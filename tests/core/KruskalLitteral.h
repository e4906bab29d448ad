#pragma once

// Word-for-word versions of the cycle test and of the first spanning-tree
// run, slow on purpose, against which the program's runs are compared, with
// plain versions of the rules that mend the two runs: Kruskal's rule on the
// first run's picks, and the second run taking the very arc picked and its
// mirror. They apply the same rulings where the plain steps fall short: a
// step that can pick nothing does nothing and the arc marked is the one
// picked. Connectivity is the word-for-word traversal of ReferenceLitterale.h.

#include "ReferenceLitterale.h"

#include "model/ListeNoms.h"
#include "model/TGraphe.h"
#include "algorithms/Kruskal.h"

#include <set>
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

// Whether `a` and `b` are joined in `r`, whichever way its arcs point.
inline bool Joints(const TGraphe& r, const char* a, const char* b)
{
    std::set<std::string> atteints{a};
    std::vector<std::string> pile{a};
    while (!pile.empty()) {
        const std::string nom = pile.back();
        pile.pop_back();
        for (const Sommet* s = r.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
            for (const Arc* x = s->arcSuivant; x != nullptr; x = x->arcSuivant) {
                const char* autre = nom == s->nom ? x->nom : nom == x->nom ? s->nom : nullptr;
                if (autre != nullptr && atteints.insert(autre).second)
                    pile.push_back(autre);
            }
        }
    }
    return atteints.count(b) != 0;
}

// Kruskal's rule on the first run's picks: an arc is kept when its ends are
// not yet joined in the window.
inline void Kruskal1SelonLaRegle(TGraphe& s, TGraphe& r)
{
    EffacerMarquesArcs(s);
    char o[kTailleNom] = "";
    char t[kTailleNom] = "";
    const int32_t n = s.NbArcs();
    for (int32_t k = 0; k < n; ++k) {
        Arc* a = ArcLePlusLourd(s, o, t);
        if (a == nullptr)
            continue;
        a->marque = true;
        const bool dejaJoints = r.NumeroSommet(o) != -1 && r.NumeroSommet(t) != -1 && Joints(r, o, t);
        if (MemeNom(o, t) || dejaJoints)
            continue;
        if (r.NumeroSommet(o) == -1)
            r.AjouterSommet(o, s.ChercherSommet(o)->x, s.ChercherSommet(o)->y);
        if (r.NumeroSommet(t) == -1)
            r.AjouterSommet(t, a->x, a->y);
        r.AjouterArc(o, t, s.PoidsInverses() ? -a->valeur : a->valeur);
    }
    r.AjusterFenetre();
}

inline Sommet* Porteur(const TGraphe& g, const Arc* arc)
{
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (a == arc)
                return s;
        }
    }
    return nullptr;
}

inline std::vector<Arc*> ChaineDe(Sommet* porteur)
{
    std::vector<Arc*> chaine;
    for (Arc* a = porteur->arcSuivant; a != nullptr; a = a->arcSuivant)
        chaine.push_back(a);
    return chaine;
}

// Unlinks `arc` from its chain without freeing it; the graph's count keeps it.
inline void Decrocher(TGraphe& g, Sommet* porteur, Arc* arc)
{
    std::vector<Arc*> reste = ChaineDe(porteur);
    std::erase(reste, arc);
    g.RelierChaine(*porteur, reste, {});
}

inline void Raccrocher(TGraphe& g, Sommet* porteur, Arc* arc)
{
    std::vector<Arc*> chaine = ChaineDe(porteur);
    chaine.push_back(arc);
    g.RelierChaine(*porteur, chaine, {});
}

// Frees an arc that Decrocher unlinked, and counts it out.
inline void Liberer(TGraphe& g, Sommet* porteur, Arc* arc)
{
    g.RelierChaine(*porteur, ChaineDe(porteur), std::span<Arc* const>(&arc, 1));
}

inline void Kruskal2(TGraphe& g)
{
    EffacerMarquesArcs(g);
    char o[kTailleNom] = "";
    char t[kTailleNom] = "";
    while (Arc* a = ArcLePlusLourd(g, o, t)) {
        a->marque = true;
        Sommet* u = Porteur(g, a);
        Sommet* v = g.Oriente() ? nullptr : g.ChercherSommet(t);
        Arc* miroir = v != nullptr ? v->arcSuivant : nullptr;
        while (miroir != nullptr && (miroir->marque || !MemeNom(miroir->nom, o) || miroir->valeur != a->valeur))
            miroir = miroir->arcSuivant;
        Decrocher(g, u, a);
        if (miroir != nullptr) {
            miroir->marque = true;
            Decrocher(g, v, miroir);
        }
        if (DepartsLitteraux(g, true) != 1) {
            Raccrocher(g, u, a);
            if (miroir != nullptr)
                Raccrocher(g, v, miroir);
        } else {
            Liberer(g, u, a);
            if (miroir != nullptr)
                Liberer(g, v, miroir);
        }
    }
}

}  // namespace litteral

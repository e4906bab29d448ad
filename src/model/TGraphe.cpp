#include "model/TGraphe.h"

#include <utility>

TGraphe::TGraphe(ServicesFenetre& fenetre_) : fenetre(fenetre_) {}

TGraphe::~TGraphe()
{
    LibererTout();
}

void TGraphe::LibererTout()
{
    if (surRetrait)
        surRetrait(nullptr);
    // Releasing vertex by vertex through SupprimerSommet would rescan every
    // chain for each vertex; the records are all going, so free them directly.
    for (Sommet* s = premierSommet; s != nullptr;) {
        Sommet* suivant = s->sommetSuivant;
        for (Arc* a = s->arcSuivant; a != nullptr;) {
            Arc* arcSuivant = a->arcSuivant;
            delete a;
            a = arcSuivant;
        }
        delete s;
        s = suivant;
    }
    premierSommet = nullptr;
    nbSommets = 0;
    nbArcs = 0;
}

void TGraphe::FixerNomFichier(std::string_view chemin)
{
    nomFichier.assign(chemin);
}

void TGraphe::SurveillerRetraits(std::function<void(const Sommet*)> avantRetrait)
{
    surRetrait = std::move(avantRetrait);
}

Sommet& TGraphe::AccrocherSommet(Sommet* dernier, const char* nom, int32_t x, int32_t y)
{
    auto* sommet = new Sommet;
    CopierNom(sommet->nom, nom);
    sommet->x = x;
    sommet->y = y;
    (dernier != nullptr ? dernier->sommetSuivant : premierSommet) = sommet;
    ++nbSommets;
    return *sommet;
}

Arc& TGraphe::AccrocherArc(Arc& fin, const Sommet& arrivee, int32_t poids)
{
    auto* arc = new Arc;
    CopierNom(arc->nom, arrivee.nom);
    arc->x = arrivee.x;
    arc->y = arrivee.y;
    arc->valeur = poids;
    fin.arcSuivant = arc;
    ++nbArcs;
    return *arc;
}

void TGraphe::RelierChaine(Sommet& sommet, std::span<Arc* const> gardes, std::span<Arc* const> retires)
{
    for (Arc* arc : retires)
        delete arc;
    nbArcs -= static_cast<int32_t>(retires.size());
    Arc* fin = &sommet;
    for (Arc* arc : gardes) {
        fin->arcSuivant = arc;
        fin = arc;
    }
    fin->arcSuivant = nullptr;
}

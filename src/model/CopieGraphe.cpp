#include "model/TGraphe.h"

#include <utility>

// Record by record, links made as each record is, so that a copy cut short
// by a failed allocation is still a list its destructor can free.
void TGraphe::CopierDans(TGraphe& copie) const
{
    copie.oriente = oriente;
    copie.poidsInverses = poidsInverses;
    copie.nomFichier = nomFichier;
    Sommet** suite = &copie.premierSommet;
    for (const Sommet& s : Sommets()) {
        Sommet* sommet = *suite = new Sommet(s);
        sommet->arcSuivant = sommet->sommetSuivant = nullptr;
        ++copie.nbSommets;
        suite = &sommet->sommetSuivant;
        Arc** suiteArc = &sommet->arcSuivant;
        for (const Arc& a : Arcs(s)) {
            Arc* arc = *suiteArc = new Arc(a);
            arc->arcSuivant = arc->sommetSuivant = nullptr;
            ++copie.nbArcs;
            suiteArc = &arc->arcSuivant;
        }
    }
}

void TGraphe::EchangerAvec(TGraphe& autre)
{
    if (surRetrait)
        surRetrait(nullptr);
    std::swap(nbSommets, autre.nbSommets);
    std::swap(nbArcs, autre.nbArcs);
    std::swap(oriente, autre.oriente);
    std::swap(poidsInverses, autre.poidsInverses);
    nomFichier.swap(autre.nomFichier);
    std::swap(premierSommet, autre.premierSommet);
}

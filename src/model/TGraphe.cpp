#include "model/TGraphe.h"

TGraphe::TGraphe(ServicesFenetre& fenetre_)
    : refGauche(celluleGauche), refHaut(celluleHaut), fenetre(fenetre_)
{
}

TGraphe::TGraphe(ServicesFenetre& fenetre_, const int& gauche, const int& haut)
    : refGauche(gauche), refHaut(haut), fenetre(fenetre_)
{
}

TGraphe::~TGraphe()
{
    LibererTout();
}

void TGraphe::LibererTout()
{
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
    sommetOrigineArc = nullptr;
    sommetCible = nullptr;
    sommetDeplace = nullptr;
    traceArcEnCours = false;
    deplacementEnCours = false;
}

void TGraphe::FixerNomFichier(std::string_view chemin)
{
    nomFichier.assign(chemin);
}

#include "algorithms/CommandesChemins.h"

#include "model/TGraphe.h"

void CheminMinimal(TGraphe& graphe, void (TGraphe::*algorithme)())
{
    (graphe.*algorithme)();
    graphe.fenetre.Redessiner();
}

void CheminMaximal(TGraphe& graphe, void (TGraphe::*algorithme)())
{
    graphe.InverserPoids();
    (graphe.*algorithme)();
    if (graphe.PoidsInverses())
        graphe.InverserPoids();
    graphe.fenetre.Redessiner();
}

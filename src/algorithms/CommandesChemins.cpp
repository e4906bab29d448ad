#include "algorithms/CommandesChemins.h"

#include "model/TGraphe.h"

void CheminMinimal(TGraphe& graphe, void (*algorithme)(TGraphe&))
{
    algorithme(graphe);
    graphe.Fenetre().Redessiner();
}

void CheminMaximal(TGraphe& graphe, void (*algorithme)(TGraphe&))
{
    graphe.InverserPoids();
    algorithme(graphe);
    if (graphe.PoidsInverses())
        graphe.InverserPoids();
    graphe.Fenetre().Redessiner();
}

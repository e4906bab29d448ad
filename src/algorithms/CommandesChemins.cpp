#include "algorithms/CommandesChemins.h"

#include "model/TGraphe.h"

void CheminMinimal(TGraphe& graphe, AlgorithmeChemin algorithme, Deroulement* deroulement)
{
    algorithme(graphe, deroulement);
    graphe.Fenetre().Redessiner();
}

void CheminMaximal(TGraphe& graphe, AlgorithmeChemin algorithme, Deroulement* deroulement)
{
    graphe.InverserPoids();
    algorithme(graphe, deroulement);
    if (graphe.PoidsInverses())
        graphe.InverserPoids();
    graphe.Fenetre().Redessiner();
}

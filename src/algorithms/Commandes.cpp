#include "algorithms/Commandes.h"

#include "algorithms/CommandesChemins.h"

#include "model/TGraphe.h"

void ExecuterCommande(TGraphe& graphe, Commande commande)
{
    switch (commande) {
    // Numbering and circuits.
    case Commande::NumerotationTopologique:
        graphe.CommandeNumerotationTopologique();
        break;
    case Commande::Circuit:
        graphe.CommandeCircuit();
        break;

    // Structure tests.
    case Commande::Connexite:
        graphe.CommandeConnexite();
        break;
    case Commande::ForteConnexite:
        graphe.CommandeForteConnexite();
        break;
    case Commande::Arbre:
        graphe.CommandeArbre();
        break;
    case Commande::Arborescence:
        graphe.CommandeArborescence();
        break;
    case Commande::Eulerien:
        graphe.CommandeEulerien();
        break;

    // Shortest paths.
    case Commande::Dijkstra:
        CheminMinimal(graphe, &TGraphe::Dijkstra);
        break;
    case Commande::BellmanMin:
        CheminMinimal(graphe, &TGraphe::Bellman);
        break;
    case Commande::BellmanMax:
        CheminMaximal(graphe, &TGraphe::Bellman);
        break;
    case Commande::FordMin:
        CheminMinimal(graphe, &TGraphe::Ford);
        break;
    case Commande::FordMax:
        CheminMaximal(graphe, &TGraphe::Ford);
        break;

    // Spanning trees.
    case Commande::Kruskal1Min:
        graphe.CommandeKruskal1(/*arbreMinimum=*/true);
        break;
    case Commande::Kruskal1Max:
        graphe.CommandeKruskal1(/*arbreMinimum=*/false);
        break;
    case Commande::Kruskal2Min:
        graphe.CommandeKruskal2(/*arbreMinimum=*/true);
        break;
    case Commande::Kruskal2Max:
        graphe.CommandeKruskal2(/*arbreMinimum=*/false);
        break;
    }
}

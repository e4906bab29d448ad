#include "algorithms/Commandes.h"

#include "algorithms/CommandesChemins.h"

#include "model/TGraphe.h"

void ExecuterCommande(TGraphe& graphe, Commande commande)
{
    switch (commande) {
    // Numbering and circuits.

    // Structure tests.

    // Shortest paths.
    case Commande::Dijkstra: CheminMinimal(graphe, &TGraphe::Dijkstra); break;
    case Commande::FordMin: CheminMinimal(graphe, &TGraphe::Ford); break;
    case Commande::FordMax: CheminMaximal(graphe, &TGraphe::Ford); break;

    // Spanning trees.

    default:
        (void)graphe;
        break;
    }
}

#include "algorithms/Commandes.h"

#include "model/TGraphe.h"

void ExecuterCommande(TGraphe& graphe, Commande commande)
{
    switch (commande) {
    // Numbering and circuits.

    // Structure tests.

    // Shortest paths.

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

    default:
        (void)graphe;
        break;
    }
}

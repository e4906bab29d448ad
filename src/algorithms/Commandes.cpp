#include "algorithms/Commandes.h"

#include "model/TGraphe.h"

void ExecuterCommande(TGraphe& graphe, Commande commande)
{
    switch (commande) {
    // Numbering and circuits.

    // Structure tests.

    // Shortest paths.

    // Spanning trees.

    default:
        (void)graphe;
        break;
    }
}

#include "algorithms/Commandes.h"

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

    // Spanning trees.

    default:
        (void)graphe;
        break;
    }
}

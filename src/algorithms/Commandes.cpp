#include "algorithms/Commandes.h"

#include "algorithms/Chemins.h"
#include "algorithms/CommandesChemins.h"
#include "algorithms/EtapesCommandes.h"
#include "algorithms/Kruskal.h"
#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"
#include "model/TGraphe.h"

void ExecuterCommande(TGraphe& graphe, Commande commande, Deroulement* deroulement)
{
    switch (commande) {
    // Numbering and circuits.
    case Commande::NumerotationTopologique:
        CommandeNumerotationTopologique(graphe);
        break;
    case Commande::Circuit:
        CommandeCircuit(graphe);
        break;

    // Structure tests.
    case Commande::Connexite:
        CommandeConnexite(graphe);
        break;
    case Commande::ForteConnexite:
        CommandeForteConnexite(graphe);
        break;
    case Commande::Arbre:
        CommandeArbre(graphe);
        break;
    case Commande::Arborescence:
        CommandeArborescence(graphe);
        break;
    case Commande::Eulerien:
        CommandeEulerien(graphe);
        break;

    // Shortest paths.
    case Commande::Dijkstra:
        CheminMinimal(graphe, Dijkstra, deroulement);
        break;
    case Commande::BellmanMin:
        CheminMinimal(graphe, Bellman, deroulement);
        break;
    case Commande::BellmanMax:
        CheminMaximal(graphe, Bellman, deroulement);
        break;
    case Commande::FordMin:
        CheminMinimal(graphe, Ford, deroulement);
        break;
    case Commande::FordMax:
        CheminMaximal(graphe, Ford, deroulement);
        break;

    // Spanning trees.
    case Commande::Kruskal1Min:
        CommandeKruskal1(graphe, /*arbreMinimum=*/true, deroulement);
        break;
    case Commande::Kruskal1Max:
        CommandeKruskal1(graphe, /*arbreMinimum=*/false, deroulement);
        break;
    case Commande::Kruskal2Min:
        CommandeKruskal2(graphe, /*arbreMinimum=*/true, deroulement);
        break;
    case Commande::Kruskal2Max:
        CommandeKruskal2(graphe, /*arbreMinimum=*/false, deroulement);
        break;
    }
    // Many commands leave numbers behind or clear them, Kruskal n°2 removes
    // arcs: whatever the file would store differently becomes one step.
    graphe.Fenetre().SignalerModification(NomEtape(commande));
}

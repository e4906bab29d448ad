#pragma once

class TGraphe;

// The commands of the "Manipulation", "Traitement" and "Détection" menus that
// act on the active graph window. The desktop frame and the batch tool both
// run them through ExecuterCommande, so they answer alike.
enum class Commande {
    NumerotationTopologique,
    Circuit,
    Connexite,
    ForteConnexite,
    Arbre,
    Arborescence,
    Eulerien,
    Dijkstra,
    BellmanMin,
    BellmanMax,
    FordMin,
    FordMax,
    Kruskal1Min,
    Kruskal1Max,
    Kruskal2Min,
    Kruskal2Max,
};

// Runs the command on the graph: the algorithm, its messages, its repaint.
void ExecuterCommande(TGraphe& graphe, Commande commande);

#pragma once

class Deroulement;
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

// Every command, in the enum's order: for the runs that try them all.
inline constexpr Commande kToutesLesCommandes[] = {
    Commande::NumerotationTopologique,
    Commande::Circuit,
    Commande::Connexite,
    Commande::ForteConnexite,
    Commande::Arbre,
    Commande::Arborescence,
    Commande::Eulerien,
    Commande::Dijkstra,
    Commande::BellmanMin,
    Commande::BellmanMax,
    Commande::FordMin,
    Commande::FordMax,
    Commande::Kruskal1Min,
    Commande::Kruskal1Max,
    Commande::Kruskal2Min,
    Commande::Kruskal2Max,
};

// Runs the command on the graph: the algorithm, its messages, its repaint.
// A recorder made for the command (DeroulementDe, algorithms/
// DeroulementCommande.h) receives the steps; other commands ignore it.
void ExecuterCommande(TGraphe& graphe, Commande commande, Deroulement* deroulement = nullptr);

#include "algorithms/DeroulementCommande.h"

std::optional<AlgorithmeDeroule> DeroulementDe(Commande commande)
{
    switch (commande) {
    case Commande::Dijkstra:
        return AlgorithmeDeroule::Dijkstra;
    case Commande::BellmanMin:
    case Commande::BellmanMax:
        return AlgorithmeDeroule::Bellman;
    case Commande::FordMin:
    case Commande::FordMax:
        return AlgorithmeDeroule::Ford;
    case Commande::Kruskal1Min:
    case Commande::Kruskal1Max:
        return AlgorithmeDeroule::Kruskal1;
    case Commande::Kruskal2Min:
    case Commande::Kruskal2Max:
        return AlgorithmeDeroule::Kruskal2;
    default:
        return std::nullopt;
    }
}

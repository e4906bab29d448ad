#include "algorithms/EtapesCommandes.h"

std::string_view NomEtape(Commande commande)
{
    switch (commande) {
    case Commande::NumerotationTopologique:
        return "la numérotation topologique";
    case Commande::Circuit:
        return "la détection de circuit";
    case Commande::Connexite:
        return "le test de connexité";
    case Commande::ForteConnexite:
        return "le test de forte connexité";
    case Commande::Arbre:
        return "la reconnaissance d'arbre";
    case Commande::Arborescence:
        return "la reconnaissance d'arborescence";
    case Commande::Eulerien:
        return "le test eulérien";
    case Commande::Dijkstra:
        return "Dijkstra";
    case Commande::BellmanMin:
        return "Bellman (min)";
    case Commande::BellmanMax:
        return "Bellman (max)";
    case Commande::FordMin:
        return "Ford (min)";
    case Commande::FordMax:
        return "Ford (max)";
    case Commande::Kruskal1Min:
        return "Kruskal n°1 (min)";
    case Commande::Kruskal1Max:
        return "Kruskal n°1 (max)";
    case Commande::Kruskal2Min:
        return "Kruskal n°2 (min)";
    case Commande::Kruskal2Max:
        return "Kruskal n°2 (max)";
    }
    return {};
}

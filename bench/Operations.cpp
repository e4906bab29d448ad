#include "Operations.h"

#include "algorithms/Commandes.h"

const std::vector<Operation>& Operations()
{
    static const std::vector<Operation> operations = {
        {"AjusterFenetre", [](TGraphe& g) { g.AjusterFenetre(); }, false},
        {"InverserPoids", [](TGraphe& g) { g.InverserPoids(); }, false},
        {"Dijkstra", [](TGraphe& g) { ExecuterCommande(g, Commande::Dijkstra); }, false},
        {"Bellman min", [](TGraphe& g) { ExecuterCommande(g, Commande::BellmanMin); }, false},
        {"Bellman max", [](TGraphe& g) { ExecuterCommande(g, Commande::BellmanMax); }, false},
        {"Rapport", [](TGraphe& g) { g.Rapport(); }, false},
        {"Ford min", [](TGraphe& g) { ExecuterCommande(g, Commande::FordMin); }, false},
        {"Ford max", [](TGraphe& g) { ExecuterCommande(g, Commande::FordMax); }, false},
    };
    return operations;
}

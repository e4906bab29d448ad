#include "Operations.h"

#include "algorithms/Commandes.h"

const std::vector<Operation>& Operations()
{
    static const std::vector<Operation> operations = {
        {"AjusterFenetre", [](TGraphe& g) { g.AjusterFenetre(); }, false},
        {"InverserPoids", [](TGraphe& g) { g.InverserPoids(); }, false},
        {"Dijkstra", [](TGraphe& g) { ExecuterCommande(g, Commande::Dijkstra); }, false},
        {"Ford min", [](TGraphe& g) { ExecuterCommande(g, Commande::FordMin); }, false},
        {"Ford max", [](TGraphe& g) { ExecuterCommande(g, Commande::FordMax); }, false},
    };
    return operations;
}

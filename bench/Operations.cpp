#include "Operations.h"

#include "ImageDessin.h"
#include "algorithms/CalculsChemins.h"
#include "algorithms/Commandes.h"
#include "algorithms/IndexNumeros.h"
#include "algorithms/Rapport.h"

namespace {

Operation Commander(const char* nom, Commande commande, bool modifieLeGraphe = false)
{
    return {nom, [commande](TGraphe& g) { ExecuterCommande(g, commande); }, modifieLeGraphe};
}

// What Boost's Dijkstra does, from the same source (the first vertex): the
// search with its per-run index, without the command's prompt, weight check
// and path window.
void CalculerDijkstra(TGraphe& g)
{
    const IndexNumeros index(g, g.NbSommets());
    PredecesseursDijkstra(index, index.Numero(g.PremierSommet()->nom));
}

// Drawn on again and again: only the first run of a size makes it.
ImageDessin imageDessin;

}  // namespace

const std::vector<Operation>& Operations()
{
    static const std::vector<Operation> operations = {
        {"AjusterFenetre", [](TGraphe& g) { g.AjusterFenetre(); }, false},
        {"InverserPoids", [](TGraphe& g) { g.InverserPoids(); }, false},
        {"DessinerGraphe (QImage)", [](TGraphe& g) { imageDessin.Dessiner(g); }, false,
         [](TGraphe& g) { imageDessin.Preparer(g); }},
        Commander("NumerotationTopologique", Commande::NumerotationTopologique),
        Commander("Circuit", Commande::Circuit),
        Commander("Connexite", Commande::Connexite),
        Commander("Forte connexite", Commande::ForteConnexite),
        Commander("Arbre", Commande::Arbre),
        Commander("Arborescence", Commande::Arborescence),
        Commander("Eulerien", Commande::Eulerien),
        {"Rapport", [](TGraphe& g) { Rapport(g); }, false},
        Commander("Dijkstra", Commande::Dijkstra),
        {"Dijkstra (calcul)", CalculerDijkstra, false},
        Commander("Bellman min", Commande::BellmanMin),
        Commander("Bellman max", Commande::BellmanMax),
        Commander("Ford min", Commande::FordMin),
        Commander("Ford max", Commande::FordMax),
        Commander("Kruskal n°1 min", Commande::Kruskal1Min),
        Commander("Kruskal n°1 max", Commande::Kruskal1Max),
        Commander("Kruskal n°2 min", Commande::Kruskal2Min, true),
        Commander("Kruskal n°2 max", Commande::Kruskal2Max, true),
    };
    return operations;
}

#include "algorithms/Chemins.h"
#include "algorithms/IndexNumeros.h"
#include "model/RemplissageGraphe.h"
#include "model/TGraphe.h"

#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {
// The vertices from `fin` back along the predecessors. The path tables lead
// back to the departure, but homonyms read from a file can make two numbers
// share a name, and a table is trusted no further than this: the walk stops
// before a vertex it has already met, or a name already taken, so the window
// never receives the same name twice.
std::vector<const Sommet*> RemonterChemin(const IndexNumeros& index, std::span<const int32_t> predecesseur, int32_t fin)
{
    std::vector<const Sommet*> chemin;
    std::unordered_set<std::string> noms;
    for (int32_t n = fin; n != kAucunSommet;) {
        const Sommet* sommet = index.SommetNumero(n);
        if (sommet == nullptr || !noms.emplace(sommet->nom, strnlen(sommet->nom, kTailleNom)).second)
            break;
        chemin.push_back(sommet);
        n = predecesseur[static_cast<size_t>(n)];
    }
    return chemin;
}
}  // namespace

void AfficherChemin(TGraphe& graphe, std::span<const int32_t> predecesseur, int32_t fin)
{
    AfficherChemin(graphe, IndexNumeros(graphe, static_cast<int32_t>(predecesseur.size())), predecesseur, fin);
}

void AfficherChemin(TGraphe& graphe, const IndexNumeros& index, std::span<const int32_t> predecesseur, int32_t fin)
{
    TGraphe& fenetreChemin = graphe.Fenetre().CreerFenetreResultat();
    // The "max" commands leave the weights negated: the path shows them as
    // the user entered them, and the command then skips its own restoring.
    // Only weights change: the index stays valid.
    if (graphe.PoidsInverses())
        graphe.InverserPoids();

    const std::vector<const Sommet*> chemin = RemonterChemin(index, predecesseur, fin);
    RemplissageGraphe remplissage(fenetreChemin);
    for (const Sommet* sommet : chemin)
        remplissage.AjouterSommet(sommet->nom, sommet->x, sommet->y);
    for (size_t i = 0; i + 1 < chemin.size(); ++i) {
        const Sommet* origine = chemin[i + 1];
        for (const Arc* a = origine->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (MemeNom(a->nom, chemin[i]->nom))
                remplissage.AjouterArc(origine->nom, a->nom, a->valeur);
        }
    }
    fenetreChemin.AjusterFenetre();
}

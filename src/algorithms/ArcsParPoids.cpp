#include "algorithms/ArcsParPoids.h"

#include "model/TGraphe.h"

#include <algorithm>

std::vector<ArcDuGraphe> TousLesArcs(const TGraphe& graphe)
{
    std::vector<ArcDuGraphe> arcs;
    for (Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            arcs.push_back({a, s});
    }
    return arcs;
}

std::vector<int> OrdreDesChoix(const std::vector<ArcDuGraphe>& arcs)
{
    std::vector<int> ordre;
    for (int i = 0; i < static_cast<int>(arcs.size()); ++i) {
        if (arcs[i].arc->valeur > kPoidsPlancher)
            ordre.push_back(i);
    }
    // Stable: a pick takes the first of equal weights, and removing or
    // putting back other arcs never reorders the arcs still unconsidered.
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&arcs](int a, int b) { return arcs[a].arc->valeur > arcs[b].arc->valeur; });
    return ordre;
}

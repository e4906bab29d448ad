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
    // The weights copied beside the positions: sorting through the arc
    // pointers missed the cache at every comparison.
    struct Candidat {
        int32_t poids;
        int position;
    };
    std::vector<Candidat> candidats;
    for (int i = 0; i < static_cast<int>(arcs.size()); ++i) {
        if (arcs[i].arc->valeur > kPoidsPlancher)
            candidats.push_back({arcs[i].arc->valeur, i});
    }
    // The first of equal weights first: a pick takes it, and removing or
    // putting back other arcs never reorders the arcs still unconsidered.
    std::sort(candidats.begin(), candidats.end(), [](const Candidat& a, const Candidat& b) {
        return a.poids != b.poids ? a.poids > b.poids : a.position < b.position;
    });
    std::vector<int> ordre;
    ordre.reserve(candidats.size());
    for (const Candidat& candidat : candidats)
        ordre.push_back(candidat.position);
    return ordre;
}

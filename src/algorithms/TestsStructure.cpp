#include "algorithms/ComposantesFortes.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Structure.h"
#include "model/TGraphe.h"

#include <vector>

bool EstConnexe(TGraphe& graphe)
{
    return NbComposantesConnexes(graphe) == 1;
}

bool EstFortementConnexe(TGraphe& graphe)
{
    return NbComposantesFortementConnexes(graphe) == 1;
}

bool EstArbre(TGraphe& graphe)
{
    return CompteDUnArbre(graphe) && EstConnexe(graphe);
}

bool CompteDUnArbre(const TGraphe& graphe)
{
    // A non-oriented graph stores each edge as two arc records.
    const int32_t nbArcs = graphe.NbArcs();
    const int32_t nbSommets = graphe.NbSommets();
    const int32_t aretes = graphe.Oriente() ? nbArcs : nbArcs / 2;
    return nbSommets >= 2 && nbSommets - 1 == aretes;
}

// The root may stand anywhere in the list. A tree has passed the
// connectivity traversal, which leaves every vertex marked.
bool EstArborescence(TGraphe& graphe)
{
    if (!EstArbre(graphe))
        return false;
    const IndexSommets index(graphe.PremierSommet());
    return ComposantesFortes(index).PossedeUneRacine();
}

int32_t DegreEulerien(const TGraphe& graphe, int32_t demiDegreInterieur, int32_t demiDegreExterieur)
{
    return graphe.Oriente() ? demiDegreInterieur + demiDegreExterieur : demiDegreExterieur;
}

// Half-degrees answer by name: a later homonym has the degrees of the first
// vertex bearing its name, as in the vertex information, so only first
// bearers need checking.
bool EstEulerien(TGraphe& graphe)
{
    return EstConnexe(graphe) && DegresEuleriensPairs(graphe);
}

bool DegresEuleriensPairs(const TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    const std::vector<int32_t> entrants = index.ArcsEntrants();
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        if (index.Porteur(i) != i)
            continue;
        int32_t sortants = 0;
        for (const Arc* a = index[i].arcSuivant; a != nullptr; a = a->arcSuivant)
            ++sortants;
        if (DegreEulerien(graphe, entrants[size_t(i)], sortants) % 2 != 0)
            return false;
    }
    return true;
}

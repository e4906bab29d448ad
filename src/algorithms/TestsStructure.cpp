#include "algorithms/ComposantesFortes.h"
#include "algorithms/IndexSommets.h"
#include "model/TGraphe.h"

#include <vector>

bool TGraphe::EstConnexe()
{
    return NbComposantesConnexes() == 1;
}

bool TGraphe::EstFortementConnexe()
{
    return NbComposantesFortementConnexes() == 1;
}

bool TGraphe::EstArbre()
{
    return CompteDUnArbre() && EstConnexe();
}

bool TGraphe::CompteDUnArbre() const
{
    // A non-oriented graph stores each edge as two arc records.
    const int32_t aretes = oriente ? nbArcs : nbArcs / 2;
    return nbSommets >= 2 && nbSommets - 1 == aretes;
}

// The root may stand anywhere in the list. A tree has passed the
// connectivity traversal, which leaves every vertex marked.
bool TGraphe::EstArborescence()
{
    if (!EstArbre())
        return false;
    const IndexSommets index(premierSommet);
    return ComposantesFortes(index).PossedeUneRacine();
}

int32_t TGraphe::DegreEulerien(int32_t demiDegreInterieur, int32_t demiDegreExterieur) const
{
    return oriente ? demiDegreInterieur + demiDegreExterieur : demiDegreExterieur;
}

// Half-degrees answer by name: a later homonym has the degrees of the first
// vertex bearing its name, as in the vertex information, so only first
// bearers need checking.
bool TGraphe::EstEulerien()
{
    return EstConnexe() && DegresEuleriensPairs();
}

bool TGraphe::DegresEuleriensPairs() const
{
    const IndexSommets index(premierSommet);
    const std::vector<int32_t> entrants = index.ArcsEntrants();
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        if (index.Porteur(i) != i)
            continue;
        int32_t sortants = 0;
        for (const Arc* a = index[i].arcSuivant; a != nullptr; a = a->arcSuivant)
            ++sortants;
        if (DegreEulerien(entrants[size_t(i)], sortants) % 2 != 0)
            return false;
    }
    return true;
}

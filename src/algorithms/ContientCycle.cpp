#include "algorithms/IndexSommets.h"
#include "algorithms/Kruskal.h"
#include "model/ListeNoms.h"
#include "model/TGraphe.h"

namespace {
// Walks the chain of `sommet`: true at the first arc to a vertex already
// reached; every other target is marked and queued.
bool AtteintUnSommetMarque(int32_t position, ListeNoms& file, const IndexSommets& index)
{
    if (position < 0)
        return false;
    for (const Arc* a = index[position].arcSuivant; a != nullptr; a = a->arcSuivant) {
        const int32_t cible = index.Position(a->nom);
        // An arc read from a file may name no vertex: it reaches nothing.
        if (cible < 0)
            continue;
        if (index[cible].marque)
            return true;
        index[cible].marque = true;
        file.Inserer(a->nom);
    }
    return false;
}
}  // namespace

bool ContientCycle(TGraphe& graphe)
{
    for (Sommet& s : graphe.Sommets())
        s.marque = false;
    Sommet* premierSommet = graphe.PremierSommet();
    if (premierSommet == nullptr)
        return false;

    const IndexSommets index(premierSommet);
    ListeNoms file;
    file.Inserer(*premierSommet);
    premierSommet->marque = true;
    // Marks are only ever set during the walk, so the first unreached vertex
    // never lies before the one found last time.
    Sommet* nonAtteint = premierSommet;
    char nom[kTailleNom];
    for (int32_t traites = 0; traites < graphe.NbSommets(); ++traites) {
        if (file.EstVide()) {
            while (nonAtteint != nullptr && nonAtteint->marque)
                nonAtteint = nonAtteint->sommetSuivant;
            if (nonAtteint != nullptr) {
                file.Inserer(*nonAtteint);
                nonAtteint->marque = true;
            }
        }
        file.Premier(nom);
        if (AtteintUnSommetMarque(index.Position(nom), file, index))
            return true;
        file.Retirer(nom);
    }
    return false;
}

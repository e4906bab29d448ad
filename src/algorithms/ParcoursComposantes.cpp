#include "algorithms/ComposantesFortes.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Structure.h"
#include "model/Avancement.h"
#include "model/ListeNoms.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <vector>

namespace {

// What the traversal needs to follow arcs backwards without testing every
// vertex for an arc into the one processed: for each first bearer, the
// first bearers of the names that have an arc into it; and each name's
// bearers in list order. A vertex has an arc into N exactly when some vertex
// of its name does, since the arc test looks at every bearer of the origin.
struct Predecesseurs {
    std::vector<std::vector<int32_t>> parCible;
    std::vector<std::vector<int32_t>> porteursDuNom;
    std::vector<bool> nomAtteint;  // every bearer of that name is marked

    explicit Predecesseurs(const IndexSommets& index)
        : parCible(size_t(index.Nombre())),
          porteursDuNom(size_t(index.Nombre())),
          nomAtteint(size_t(index.Nombre()), false)
    {
        for (int32_t i = 0; i < index.Nombre(); ++i) {
            const int32_t porteur = index.Porteur(i);
            porteursDuNom[size_t(porteur)].push_back(i);
            for (const Arc* a = index[i].arcSuivant; a != nullptr; a = a->arcSuivant) {
                const int32_t cible = index.Position(a->nom);
                if (cible >= 0)
                    parCible[size_t(cible)].push_back(porteur);
            }
        }
    }

    // The unmarked vertices with an arc into `cible`, in list order. They
    // are all about to be marked, so a name is collected at most once.
    std::vector<int32_t> NonAtteints(const IndexSommets& index, int32_t cible)
    {
        std::vector<int32_t> trouves;
        for (const int32_t porteur : parCible[size_t(cible)]) {
            if (nomAtteint[size_t(porteur)])
                continue;
            nomAtteint[size_t(porteur)] = true;
            for (const int32_t i : porteursDuNom[size_t(porteur)]) {
                if (!index[i].marque)
                    trouves.push_back(i);
            }
        }
        std::sort(trouves.begin(), trouves.end());
        return trouves;
    }
};

void Atteindre(ListeNoms& file, Sommet& sommet)
{
    sommet.marque = true;
    file.Inserer(sommet);
}

}  // namespace

// The queue holds names and every name stands for its first bearer, so with
// homonyms a name may come out of the queue more than once. Marks are never
// cleared during a run, so a second visit finds every successor and
// predecessor already marked: it is skipped, and still counts as processed.
static int32_t CompterDepartsParcours(TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    const int32_t nombre = index.Nombre();
    for (int32_t i = 0; i < nombre; ++i)
        index[i].marque = false;
    Predecesseurs predecesseurs(index);
    std::vector<bool> visite(size_t(nombre), false);
    ListeNoms file;
    int32_t departs = 1;
    int32_t prochainDepart = 0;
    if (nombre > 0)
        Atteindre(file, index[0]);
    char nom[kTailleNom];
    Avancement avancement(graphe.Fenetre(), static_cast<uint64_t>(graphe.NbSommets()));
    for (int32_t traites = 0; traites < graphe.NbSommets(); ++traites) {
        avancement.Avancer();
        if (file.EstVide()) {
            while (prochainDepart < nombre && index[prochainDepart].marque)
                ++prochainDepart;
            // Every vertex is marked yet fewer were processed than the count
            // says: homonyms or an empty name kept some out of the queue.
            if (prochainDepart == nombre)
                break;
            Atteindre(file, index[prochainDepart]);
            ++departs;
        }
        file.Premier(nom);
        const int32_t courant = index.Position(nom);
        if (courant >= 0 && !visite[size_t(courant)]) {
            visite[size_t(courant)] = true;
            for (const Arc* a = index[courant].arcSuivant; a != nullptr; a = a->arcSuivant) {
                const int32_t cible = index.Position(a->nom);
                if (cible >= 0 && !index[cible].marque)
                    Atteindre(file, index[cible]);
            }
            for (const int32_t i : predecesseurs.NonAtteints(index, courant))
                Atteindre(file, index[i]);
        }
        file.Retirer(nom);
    }
    return departs;
}

int32_t NbComposantesConnexes(TGraphe& graphe)
{
    return CompterDepartsParcours(graphe);
}

// Leaves every vertex marked, as the connectivity traversal does, so that
// any structure test leaves the same marks.
int32_t NbComposantesFortementConnexes(TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    for (int32_t i = 0; i < index.Nombre(); ++i)
        index[i].marque = true;
    return index.Nombre() == 0 ? 1 : ComposantesFortes(index).Nombre();
}

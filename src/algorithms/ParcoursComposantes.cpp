#include "algorithms/ComposantesFortes.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Lignes.h"
#include "algorithms/Structure.h"
#include "model/Avancement.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <vector>

namespace {

// The arcs resolved once: each vertex's targets in chain order, without the
// arcs whose target no vertex bears.
Lignes Successeurs(const IndexSommets& index)
{
    Lignes successeurs;
    successeurs.debuts.reserve(size_t(index.Nombre()) + 1);
    successeurs.debuts.push_back(0);
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        for (const Arc* a = index[i].arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t cible = index.Position(a->nom);
            if (cible >= 0)
                successeurs.elements.push_back(cible);
        }
        successeurs.debuts.push_back(static_cast<int32_t>(successeurs.elements.size()));
    }
    return successeurs;
}

// What the traversal needs to follow arcs backwards without testing every
// vertex for an arc into the one processed: for each first bearer, the
// first bearers of the names that have an arc into it; and each name's
// bearers in list order. A vertex has an arc into N exactly when some vertex
// of its name does, since the arc test looks at every bearer of the origin.
struct Predecesseurs {
    Lignes parCible;
    Lignes porteursDuNom;
    std::vector<bool> nomAtteint;  // every bearer of that name is marked

    Predecesseurs(const IndexSommets& index, const Lignes& successeurs)
        : parCible(Regrouper(index.Nombre(),
                             [&](const auto& ranger) {
                                 for (int32_t i = 0; i < index.Nombre(); ++i) {
                                     for (const int32_t cible : successeurs[i])
                                         ranger(cible, index.Porteur(i));
                                 }
                             })),
          porteursDuNom(Regrouper(index.Nombre(),
                                  [&](const auto& ranger) {
                                      for (int32_t i = 0; i < index.Nombre(); ++i)
                                          ranger(index.Porteur(i), i);
                                  })),
          nomAtteint(size_t(index.Nombre()), false)
    {
    }

    // The unmarked vertices with an arc into `cible`, in list order. They
    // are all about to be marked, so a name is collected at most once.
    std::vector<int32_t> NonAtteints(const IndexSommets& index, int32_t cible)
    {
        std::vector<int32_t> trouves;
        for (const int32_t porteur : parCible[cible]) {
            if (nomAtteint[size_t(porteur)])
                continue;
            nomAtteint[size_t(porteur)] = true;
            for (const int32_t i : porteursDuNom[porteur]) {
                if (!index[i].marque)
                    trouves.push_back(i);
            }
        }
        std::sort(trouves.begin(), trouves.end());
        return trouves;
    }
};

// The traversal's queue of names, each standing for its first bearer and
// held at most once at a time. A name leaves it only from the front, so
// positions pushed in order and a read index make it a queue. The empty
// name is never queued: an empty queue reads as the empty name, whose
// first bearer, if any, is then the one processed.
class FileNoms {
public:
    explicit FileNoms(const IndexSommets& index_) : index(index_), dansFile(size_t(index_.Nombre()), false)
    {
        const char sansNom[kTailleNom] = {};
        porteurSansNom = index.Position(sansNom);
        positions.reserve(size_t(index.Nombre()));
    }

    void Atteindre(int32_t i)
    {
        Sommet& sommet = index[i];
        sommet.marque = true;
        const int32_t porteur = index.Porteur(i);
        if (sommet.nom[0] == '\0' || dansFile[size_t(porteur)])
            return;
        dansFile[size_t(porteur)] = true;
        positions.push_back(porteur);
    }
    bool EstVide() const { return tete == positions.size(); }
    int32_t Premier() const { return EstVide() ? porteurSansNom : positions[tete]; }
    void Retirer()
    {
        if (!EstVide())
            dansFile[size_t(positions[tete++])] = false;
    }

private:
    const IndexSommets& index;
    std::vector<bool> dansFile;  // per first bearer
    std::vector<int32_t> positions;
    size_t tete = 0;
    int32_t porteurSansNom;
};

}  // namespace

// Every name stands for its first bearer, so with homonyms a name may come
// out of the queue more than once. Marks are never cleared during a run, so
// a second visit finds every successor and predecessor already marked: it
// is skipped, and still counts as processed.
static int32_t CompterDepartsParcours(TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    const int32_t nombre = index.Nombre();
    for (int32_t i = 0; i < nombre; ++i)
        index[i].marque = false;
    const Lignes successeurs = Successeurs(index);
    Predecesseurs predecesseurs(index, successeurs);
    std::vector<bool> visite(size_t(nombre), false);
    FileNoms file(index);
    int32_t departs = 1;
    int32_t prochainDepart = 0;
    if (nombre > 0)
        file.Atteindre(0);
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
            file.Atteindre(prochainDepart);
            ++departs;
        }
        const int32_t courant = file.Premier();
        if (courant >= 0 && !visite[size_t(courant)]) {
            visite[size_t(courant)] = true;
            for (const int32_t cible : successeurs[courant]) {
                if (!index[cible].marque)
                    file.Atteindre(cible);
            }
            for (const int32_t i : predecesseurs.NonAtteints(index, courant))
                file.Atteindre(i);
        }
        file.Retirer();
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

#include "algorithms/ComposantesFortes.h"

#include <algorithm>

ComposantesFortes::ComposantesFortes(const IndexSommets& index_)
    : index(index_),
      composante(size_t(index_.Nombre()), -1),
      ordre(size_t(index_.Nombre()), -1),
      remontee(size_t(index_.Nombre()), 0)
{
    for (int32_t depart = 0; depart < index.Nombre(); ++depart) {
        if (ordre[size_t(depart)] < 0)
            Explorer(depart);
    }
}

void ComposantesFortes::Explorer(int32_t depart)
{
    Visiter(depart);
    while (!appels.empty()) {
        if (appels.back().arc != nullptr)
            Suivre(appels.back());
        else
            Quitter();
    }
}

void ComposantesFortes::Visiter(int32_t sommet)
{
    ordre[size_t(sommet)] = remontee[size_t(sommet)] = rang++;
    ouverts.push_back(sommet);
    appels.push_back({sommet, index[sommet].arcSuivant});
}

// `appel` may dangle once Visiter grows the stack, so it is done with first.
void ComposantesFortes::Suivre(Appel& appel)
{
    const int32_t sommet = appel.sommet;
    const int32_t cible = index.Position(appel.arc->nom);
    appel.arc = appel.arc->arcSuivant;
    if (cible < 0)
        return;
    if (ordre[size_t(cible)] < 0)
        Visiter(cible);
    else if (composante[size_t(cible)] < 0)
        remontee[size_t(sommet)] = std::min(remontee[size_t(sommet)], ordre[size_t(cible)]);
}

void ComposantesFortes::Quitter()
{
    const int32_t sommet = appels.back().sommet;
    appels.pop_back();
    if (!appels.empty()) {
        int32_t& parent = remontee[size_t(appels.back().sommet)];
        parent = std::min(parent, remontee[size_t(sommet)]);
    }
    if (remontee[size_t(sommet)] == ordre[size_t(sommet)])
        FermerClasse(sommet);
}

void ComposantesFortes::FermerClasse(int32_t racine)
{
    int32_t sommet;
    do {
        sommet = ouverts.back();
        ouverts.pop_back();
        composante[size_t(sommet)] = nombre;
    } while (sommet != racine);
    ++nombre;
}

// In the graph of the components, which has no circuit, every component is
// reached from one that nothing enters; a single such one reaches them all.
bool ComposantesFortes::PossedeUneRacine() const
{
    std::vector<bool> entree(size_t(nombre), false);
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        for (const Arc* a = index[i].arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t cible = index.Position(a->nom);
            if (cible >= 0 && composante[size_t(cible)] != composante[size_t(i)])
                entree[size_t(composante[size_t(cible)])] = true;
        }
    }
    return std::count(entree.begin(), entree.end(), false) == 1;
}

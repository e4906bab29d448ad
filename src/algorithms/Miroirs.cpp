#include "algorithms/Miroirs.h"

#include <algorithm>
#include <numeric>

Miroirs::Miroirs(const std::vector<ArcDuGraphe>& arcs, const IndexSommets& sommets)
    : noms(size_t(sommets.Nombre())), libres(arcs.size())
{
    entrees.reserve(arcs.size());
    int32_t prochainNom = 0;
    int32_t proprietaire = 0;
    for (size_t i = 0; i < arcs.size(); ++i) {
        while (&sommets[proprietaire] != arcs[i].origine)
            ++proprietaire;
        const Arc& arc = *arcs[i].arc;
        const int32_t nom = noms.Garder(arc.nom, prochainNom);
        if (nom == prochainNom)
            ++prochainNom;
        entrees.push_back({proprietaire, nom, arc.valeur, static_cast<int32_t>(i)});
    }
    std::sort(entrees.begin(), entrees.end());
    std::iota(libres.begin(), libres.end(), 0);
}

int Miroirs::Prendre(int32_t proprietaire, const char (&nom)[kTailleNom], int32_t poids,
                     const std::vector<int>& etapeDe)
{
    const int32_t* numero = noms.Chercher(nom);
    if (numero == nullptr)
        return -1;
    // An arc position of -1 sorts before the group's first entry.
    const Entree cle{proprietaire, *numero, poids, -1};
    const auto debut = std::lower_bound(entrees.begin(), entrees.end(), cle);
    if (debut == entrees.end() || !debut->MemeGroupe(cle))
        return -1;
    int32_t& libre = libres[size_t(debut - entrees.begin())];
    const auto dansLeGroupe = [&](int32_t k) {
        return size_t(k) < entrees.size() && entrees[size_t(k)].MemeGroupe(cle);
    };
    while (dansLeGroupe(libre) && etapeDe[size_t(entrees[size_t(libre)].arc)] >= 0)
        ++libre;
    return dansLeGroupe(libre) ? entrees[size_t(libre)].arc : -1;
}

#include "algorithms/Partition.h"

#include <algorithm>
#include <utility>

Partition::Partition(int taille)
{
    for (int i = 0; i < taille; ++i)
        Ajouter();
}

int Partition::Ajouter()
{
    const int element = Taille();
    parent.push_back(element);
    effectif.push_back(1);
    plusPetit.push_back(element);
    return element;
}

int Partition::Representant(int element)
{
    // Path halving keeps later lookups short without recursion.
    while (parent[element] != element) {
        parent[element] = parent[parent[element]];
        element = parent[element];
    }
    return element;
}

void Partition::Unir(int a, int b)
{
    a = Representant(a);
    b = Representant(b);
    if (a == b)
        return;
    if (effectif[a] < effectif[b])
        std::swap(a, b);
    parent[b] = a;
    effectif[a] += effectif[b];
    plusPetit[a] = std::min(plusPetit[a], plusPetit[b]);
}

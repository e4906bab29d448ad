#include "algorithms/FileDistances.h"

namespace {
constexpr size_t kArite = 4;
}

FileDistances::FileDistances(int32_t taille) : place(static_cast<size_t>(taille > 0 ? taille : 0), kHorsFile) {}

bool FileDistances::Avant(const Entree& a, const Entree& b)
{
    return a.distance != b.distance ? a.distance < b.distance : a.numero > b.numero;
}

void FileDistances::Poser(size_t i, const Entree& entree)
{
    tas[i] = entree;
    place[size_t(entree.numero)] = static_cast<int32_t>(i);
}

void FileDistances::Placer(int32_t numero, int64_t distance)
{
    int32_t& ici = place[size_t(numero)];
    if (ici == kHorsFile) {
        ici = static_cast<int32_t>(tas.size());
        tas.push_back({distance, numero});
    } else {
        tas[size_t(ici)].distance = distance;
    }
    Monter(size_t(ici));
}

void FileDistances::RetirerPremier()
{
    place[size_t(tas.front().numero)] = kHorsFile;
    const Entree dernier = tas.back();
    tas.pop_back();
    if (!tas.empty()) {
        Poser(0, dernier);
        Descendre(0);
    }
}

void FileDistances::Monter(size_t i)
{
    const Entree entree = tas[i];
    while (i > 0) {
        const size_t parent = (i - 1) / kArite;
        if (!Avant(entree, tas[parent]))
            break;
        Poser(i, tas[parent]);
        i = parent;
    }
    Poser(i, entree);
}

void FileDistances::Descendre(size_t i)
{
    const Entree entree = tas[i];
    for (;;) {
        const size_t premierEnfant = kArite * i + 1;
        if (premierEnfant >= tas.size())
            break;
        size_t meilleur = premierEnfant;
        for (size_t e = premierEnfant + 1; e < premierEnfant + kArite && e < tas.size(); ++e) {
            if (Avant(tas[e], tas[meilleur]))
                meilleur = e;
        }
        if (!Avant(tas[meilleur], entree))
            break;
        Poser(i, tas[meilleur]);
        i = meilleur;
    }
    Poser(i, entree);
}

#include "algorithms/IndexSommets.h"

IndexSommets::IndexSommets(Sommet* premierSommet)
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant)
        sommets.push_back(s);
    // Sized once: growing it step by step rehashed every name several times.
    positions = TableNoms(sommets.size());
    porteurs.reserve(sommets.size());
    for (const Sommet* s : sommets) {
        const auto position = static_cast<int32_t>(porteurs.size());
        // The table keeps the first bearer when a file repeats a name.
        porteurs.push_back(positions.Garder(s->nom, position));
    }
}

int32_t IndexSommets::Position(const char (&nom)[kTailleNom]) const
{
    const int32_t* position = positions.Chercher(nom);
    return position != nullptr ? *position : -1;
}

std::vector<int32_t> IndexSommets::ArcsEntrants() const
{
    std::vector<int32_t> entrants(sommets.size(), 0);
    for (const Sommet* s : sommets) {
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t cible = Position(a->nom);
            if (cible >= 0)
                ++entrants[size_t(cible)];
        }
    }
    return entrants;
}

#include "algorithms/IndexSommets.h"

IndexSommets::IndexSommets(Sommet* premierSommet)
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        const auto position = static_cast<int32_t>(sommets.size());
        // emplace keeps the first bearer when a file repeats a name.
        porteurs.push_back(positions.emplace(s->nom, position).first->second);
        sommets.push_back(s);
    }
}

int32_t IndexSommets::Position(const char* nom) const
{
    const auto trouve = positions.find(nom);
    return trouve != positions.end() ? trouve->second : -1;
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

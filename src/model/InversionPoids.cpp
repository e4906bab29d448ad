#include "model/TGraphe.h"

#include <cstdint>

void TGraphe::InverserPoids()
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            // Wrapping negation: -INT32_MIN stays itself, as the machine does.
            a->valeur = static_cast<int32_t>(0u - static_cast<uint32_t>(a->valeur));
    }
    poidsInverses = !poidsInverses;
}

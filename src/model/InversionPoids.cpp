#include "model/TGraphe.h"

#include <cstdint>

void TGraphe::InverserPoids()
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            // Weights entered or read stay within ±INT32_MAX, where this is
            // exact; the unsigned form keeps it defined for any value.
            a->valeur = static_cast<int32_t>(0u - static_cast<uint32_t>(a->valeur));
    }
    poidsInverses = !poidsInverses;
}

#include "model/TGraphe.h"

int32_t TGraphe::DemiDegreExterieur(const char* nom) const
{
    const Sommet* sommet = ChercherSommet(nom);
    if (sommet == nullptr)
        return -1;
    int32_t compte = 0;
    for (const Arc* a = sommet->arcSuivant; a != nullptr; a = a->arcSuivant)
        ++compte;
    return compte;
}

int32_t TGraphe::DemiDegreInterieur(const char* nom) const
{
    if (ChercherSommet(nom) == nullptr)
        return -1;
    int32_t compte = 0;
    for (const Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (MemeNom(a->nom, nom))
                ++compte;
        }
    }
    return compte;
}

int32_t TGraphe::Degre(const char* nom) const
{
    return DemiDegreInterieur(nom) + DemiDegreExterieur(nom);
}

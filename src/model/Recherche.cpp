#include "model/TGraphe.h"

int32_t TGraphe::NumeroSommet(const char* nom) const
{
    int32_t position = 0;
    for (const Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant, ++position) {
        if (MemeNom(s->nom, nom))
            return s->valeur != 0 ? s->valeur : position;
    }
    return -1;
}

Sommet* TGraphe::ChercherSommet(const char* nom) const
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (MemeNom(s->nom, nom))
            return s;
    }
    return nullptr;
}

Sommet* TGraphe::SommetNumero(int32_t numero) const
{
    int32_t position = 0;
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant, ++position) {
        if (s->valeur != 0) {
            if (s->valeur == numero)
                return s;
            continue;
        }
        // An unnumbered vertex answers with NumeroSommet of its name. A later
        // homonym of an earlier vertex answers with that earlier vertex's
        // number, which the earlier vertex matched first, so only the first
        // bearer of a name can match here: one scan of the prefix, at most once.
        if (position == numero && !NomPorteAvant(s))
            return s;
    }
    return nullptr;
}

bool TGraphe::NomPorteAvant(const Sommet* sommet) const
{
    for (const Sommet* s = premierSommet; s != sommet; s = s->sommetSuivant) {
        if (MemeNom(s->nom, sommet->nom))
            return true;
    }
    return false;
}

Arc* TGraphe::ChercherArc(const char* origine, const char* cible) const
{
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (!MemeNom(s->nom, origine))
            continue;
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (MemeNom(a->nom, cible))
                return a;
        }
    }
    return nullptr;
}

bool TGraphe::ExisteArc(const char* origine, const char* cible) const
{
    return ChercherArc(origine, cible) != nullptr;
}

Sommet* TGraphe::DernierSommet() const
{
    Sommet* dernier = premierSommet;
    while (dernier != nullptr && dernier->sommetSuivant != nullptr)
        dernier = dernier->sommetSuivant;
    return dernier;
}

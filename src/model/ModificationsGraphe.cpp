#include "model/TGraphe.h"

#include <new>
#include <optional>
#include <string_view>
#include <utility>

namespace {
constexpr std::string_view kSommetExistant = "Un sommet possède déjà ce nom.";
constexpr std::string_view kTitreCreation = "Erreur de création de sommet";
constexpr std::string_view kArcSansSommets =
    "L'arc ne peut être inséré car il fait réference à des sommets qui n'existent pas.";
constexpr std::string_view kTitreInsertion = "Insertion impossible";
constexpr std::string_view kSommetAbsent = "Le sommet que vous voulez effacer, n'existe pas.";
constexpr std::string_view kArcAbsent = "L'arc que vous voulez effacer, n'existe pas.";
constexpr std::string_view kTitreEffacement = "Effacement impossible";

Arc& DernierDeLaChaine(Sommet& sommet)
{
    Arc* dernier = &sommet;
    while (dernier->arcSuivant != nullptr)
        dernier = dernier->arcSuivant;
    return *dernier;
}
}  // namespace

void TGraphe::AjouterSommet(const char* nom, int32_t x, int32_t y)
{
    if (NumeroSommet(nom) != -1) {
        fenetre.AfficherMessage(kSommetExistant, kTitreCreation);
        return;
    }
    AccrocherSommet(DernierSommet(), nom, x, y);
}

void TGraphe::AjouterArc(const char* origine, const char* cible, int32_t poids)
{
    // Copies first: the names may live in records of this graph.
    char nomOrigine[kTailleNom];
    char nomCible[kTailleNom];
    CopierNom(nomOrigine, origine);
    CopierNom(nomCible, cible);
    Sommet* depart = AjouterArcUnSens(nomOrigine, nomCible, poids);
    if (depart == nullptr) {
        fenetre.AfficherMessage(kArcSansSommets, kTitreInsertion);
        return;
    }
    if (oriente)
        return;
    // Both ends exist, so the way back finds them too. Out of memory there,
    // the way out goes as well: an edge is never left half made.
    try {
        AjouterArcUnSens(nomCible, nomOrigine, poids);
    } catch (const std::bad_alloc&) {
        Arc* avantDernier = depart;
        while (avantDernier->arcSuivant->arcSuivant != nullptr)
            avantDernier = avantDernier->arcSuivant;
        delete avantDernier->arcSuivant;
        avantDernier->arcSuivant = nullptr;
        --nbArcs;
        throw;
    }
}

Sommet* TGraphe::AjouterArcUnSens(const char* origine, const char* cible, int32_t poids)
{
    // The arc joins the chain of the last vertex bearing the origin's name.
    Sommet* depart = nullptr;
    Sommet* arrivee = nullptr;
    for (Sommet& s : Sommets()) {
        if (MemeNom(s.nom, origine))
            depart = &s;
        if (arrivee == nullptr && MemeNom(s.nom, cible))
            arrivee = &s;
    }
    if (depart == nullptr || arrivee == nullptr)
        return nullptr;
    AccrocherArc(DernierDeLaChaine(*depart), *arrivee, poids);
    return depart;
}

int32_t TGraphe::RetirerArcsVers(Sommet& sommet, const char* cible)
{
    int32_t retires = 0;
    Arc* precedent = &sommet;
    while (Arc* arc = precedent->arcSuivant) {
        if (MemeNom(arc->nom, cible)) {
            precedent->arcSuivant = arc->arcSuivant;
            delete arc;
            ++retires;
        } else {
            precedent = arc;
        }
    }
    return retires;
}

void TGraphe::SupprimerSommet(const char* nom)
{
    if (ChercherSommet(nom) == nullptr) {
        fenetre.AfficherMessage(kSommetAbsent, kTitreEffacement);
        return;
    }
    // The caller may pass the name field of the very record going away.
    char copie[kTailleNom];
    CopierNom(copie, nom);

    Sommet* precedent = nullptr;
    Sommet* sommet = premierSommet;
    while (!MemeNom(sommet->nom, copie)) {
        precedent = sommet;
        sommet = sommet->sommetSuivant;
    }
    (precedent != nullptr ? precedent->sommetSuivant : premierSommet) = sommet->sommetSuivant;
    --nbSommets;

    for (Arc* arc = sommet->arcSuivant; arc != nullptr;) {
        Arc* suivant = arc->arcSuivant;
        delete arc;
        --nbArcs;
        arc = suivant;
    }
    if (surRetrait)
        surRetrait(sommet);
    delete sommet;

    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant)
        nbArcs -= RetirerArcsVers(*s, copie);
}

void TGraphe::SupprimerArc(const char* origine, const char* cible)
{
    if (ChercherSommet(origine) == nullptr || ChercherSommet(cible) == nullptr) {
        fenetre.AfficherMessage(kArcAbsent, kTitreEffacement);
        return;
    }
    char nomOrigine[kTailleNom];
    char nomCible[kTailleNom];
    CopierNom(nomOrigine, origine);
    CopierNom(nomCible, cible);
    SupprimerArcUnSens(nomOrigine, nomCible);
    if (!oriente)
        SupprimerArcUnSens(nomCible, nomOrigine);
}

void TGraphe::SupprimerArcUnSens(const char* origine, const char* cible)
{
    nbArcs -= RetirerArcsVers(*ChercherSommet(origine), cible);
}

bool TGraphe::DeplacerSommet(const char* nom, int32_t x, int32_t y)
{
    // By name, as every arc that ends at the vertex carries a copy of it.
    char copie[kTailleNom];
    CopierNom(copie, nom);
    int sommetsDeplaces = 0;
    bool ensemble = true;
    std::optional<std::pair<int32_t, int32_t>> place;
    for (Sommet& s : Sommets()) {
        for (Arc* a = &s; a != nullptr; a = a->arcSuivant) {
            if (!MemeNom(a->nom, copie))
                continue;
            if (!place)
                place.emplace(a->x, a->y);
            sommetsDeplaces += a == &s ? 1 : 0;
            ensemble = ensemble && place == std::make_pair(a->x, a->y);
            a->x = x;
            a->y = y;
        }
    }
    return ensemble && sommetsDeplaces == 1;
}

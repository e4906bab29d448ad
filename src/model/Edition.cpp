#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kSommetExistant = "Un sommet possède déjà ce nom.";
constexpr std::string_view kTitreCreation = "Erreur de création de sommet";
constexpr std::string_view kArcSansSommets =
    "L'arc ne peut être inséré car il fait réference à des sommets qui n'existent pas.";
constexpr std::string_view kTitreInsertion = "Insertion impossible";
constexpr std::string_view kSommetAbsent = "Le sommet que vous voulez effacer, n'existe pas.";
constexpr std::string_view kArcAbsent = "L'arc que vous voulez effacer, n'existe pas.";
constexpr std::string_view kTitreEffacement = "Effacement impossible";

Arc* DernierDeLaChaine(Sommet& sommet)
{
    Arc* dernier = &sommet;
    while (dernier->arcSuivant != nullptr)
        dernier = dernier->arcSuivant;
    return dernier;
}
}  // namespace

void TGraphe::AjouterSommet(const char* nom, int32_t x, int32_t y)
{
    if (NumeroSommet(nom) != -1) {
        fenetre.AfficherMessage(kSommetExistant, kTitreCreation);
        return;
    }
    auto* sommet = new Sommet;
    CopierNom(sommet->nom, nom);
    sommet->x = x;
    sommet->y = y;
    if (Sommet* dernier = DernierSommet())
        dernier->sommetSuivant = sommet;
    else
        premierSommet = sommet;
    ++nbSommets;
}

void TGraphe::AjouterArc(const char* origine, const char* cible, int32_t poids)
{
    // The arc joins the chain of the last vertex bearing the origin's name.
    Sommet* depart = nullptr;
    Sommet* arrivee = nullptr;
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (MemeNom(s->nom, origine))
            depart = s;
        if (arrivee == nullptr && MemeNom(s->nom, cible))
            arrivee = s;
    }
    if (depart == nullptr || arrivee == nullptr) {
        fenetre.AfficherMessage(kArcSansSommets, kTitreInsertion);
        return;
    }
    auto* arc = new Arc;
    CopierNom(arc->nom, arrivee->nom);
    arc->x = arrivee->x;
    arc->y = arrivee->y;
    arc->valeur = poids;
    DernierDeLaChaine(*depart)->arcSuivant = arc;
    ++nbArcs;

    if (!oriente) {
        // Copies first: the names may live in records of this graph.
        char nomOrigine[kTailleNom];
        char nomCible[kTailleNom];
        CopierNom(nomOrigine, depart->nom);
        CopierNom(nomCible, arrivee->nom);
        oriente = true;
        AjouterArc(nomCible, nomOrigine, poids);
        oriente = false;
    }
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
    if (sommetOrigineArc == sommet)
        sommetOrigineArc = nullptr;
    if (sommetCible == sommet)
        sommetCible = nullptr;
    if (sommetDeplace == sommet) {
        sommetDeplace = nullptr;
        deplacementEnCours = false;
    }
    delete sommet;

    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant)
        nbArcs -= RetirerArcsVers(*s, copie);
}

void TGraphe::SupprimerArc(const char* origine, const char* cible)
{
    Sommet* depart = ChercherSommet(origine);
    if (depart == nullptr || ChercherSommet(cible) == nullptr) {
        fenetre.AfficherMessage(kArcAbsent, kTitreEffacement);
        return;
    }
    char nomOrigine[kTailleNom];
    char nomCible[kTailleNom];
    CopierNom(nomOrigine, origine);
    CopierNom(nomCible, cible);
    nbArcs -= RetirerArcsVers(*depart, nomCible);

    if (!oriente) {
        oriente = true;
        SupprimerArc(nomCible, nomOrigine);
        oriente = false;
    }
}

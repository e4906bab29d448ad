#include "algorithms/ArcsParPoids.h"
#include "algorithms/Kruskal.h"
#include "model/TGraphe.h"

Arc* ArcLePlusLourd(const TGraphe& graphe, char (&origine)[kTailleNom], char (&cible)[kTailleNom])
{
    int32_t plusLourd = kPoidsPlancher;
    Arc* choisi = nullptr;
    const Sommet* porteur = nullptr;
    for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (!a->marque && a->valeur > plusLourd) {
                plusLourd = a->valeur;
                choisi = a;
                porteur = s;
            }
        }
    }
    if (choisi != nullptr) {
        CopierNom(origine, porteur->nom);
        CopierNom(cible, choisi->nom);
    }
    return choisi;
}

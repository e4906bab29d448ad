// Writes the seed corpus of the fuzz target with the program's own save:
// usage `generer_graines DOSSIER`.

#include "FauxServices.h"
#include "model/TGraphe.h"

#include <cstdio>
#include <string>

namespace {

void Vide(TGraphe&) {}

void Exemple(TGraphe& g)
{
    g.AjouterSommet("A", 100, 50);
    g.AjouterSommet("B", 200, 80);
    g.AjouterArc("A", "B", 7);
}

void NonOrienteAvecBoucles(TGraphe& g)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 40, 40);
    g.AjouterSommet("B", 160, 40);
    g.AjouterSommet("C", 100, 140);
    g.AjouterArc("A", "B", 3);
    g.AjouterArc("B", "C", -2);
    g.AjouterArc("C", "A", 5);
    g.AjouterArc("A", "A", 1);
    g.AjouterArc("C", "C", 4);
}

void Numerote(TGraphe& g)
{
    const char* noms[] = {"S1", "S2", "S3", "S4"};
    for (int i = 0; i < 4; ++i)
        g.AjouterSommet(noms[i], 50 + 80 * i, 60 + 30 * (i % 2));
    g.AjouterArc("S1", "S2", 2);
    g.AjouterArc("S1", "S3", 6);
    g.AjouterArc("S2", "S3", 1);
    g.AjouterArc("S3", "S4", 4);
    g.AjouterArc("S2", "S4", 9);
    // The numbers a topological numbering of this circuit-free graph gives.
    int numero = 1;
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        s->valeur = numero++;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DOSSIER\n", argv[0]);
        return 2;
    }
    const struct {
        const char* fichier;
        void (*construire)(TGraphe&);
    } graines[] = {
        {"vide.gff", Vide},
        {"exemple.gff", Exemple},
        {"non-oriente-boucles.gff", NonOrienteAvecBoucles},
        {"numerote.gff", Numerote},
    };
    int echecs = 0;
    for (const auto& graine : graines) {
        FauxServices fenetre;
        TGraphe g(fenetre);
        graine.construire(g);
        g.FixerNomFichier(graine.fichier);
        g.Sauvegarder(std::string(argv[1]) + "/" + graine.fichier);
        echecs += !fenetre.messages.empty();
    }
    return echecs == 0 ? 0 : 1;
}

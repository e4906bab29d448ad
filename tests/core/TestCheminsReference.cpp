#include "OutilsChemins.h"
#include "GrapheAleatoire.h"
#include "FauxServices.h"
#include "ReferenceChemins.h"
#include "algorithms/CalculsChemins.h"
#include "algorithms/FordDirect.h"
#include "algorithms/Numerotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// Small random graphs with what hand-drawn and stored graphs may hold:
// parallel arcs, loops, zero weights, and now and then an unnamed vertex, a
// later homonym or an arc whose target names no vertex.
struct Poids {
    int32_t poidsMin;
    int32_t poidsMax;
    bool sansCircuit = false;  // every arc from a letter to a later one
};

void RemplirAuHasard(TGraphe& g, std::mt19937& alea, Poids choix)
{
    Tirage tirage;
    tirage.sommets = std::uniform_int_distribution<>(1, 8)(alea);
    tirage.arcs = std::uniform_int_distribution<>(0, 3 * tirage.sommets)(alea);
    // Listed in shuffled order, so that list order and letter order differ.
    tirage.lettres = true;
    tirage.melange = true;
    tirage.sansCircuit = choix.sansCircuit;
    tirage.poidsMin = choix.poidsMin;
    tirage.poidsMax = choix.poidsMax;
    tirage.coordonneeMax = 100;
    Remplir(g, Tirer(tirage, alea));
    std::uniform_int_distribution<> sommet(0, tirage.sommets - 1);
    std::uniform_int_distribution<> de(0, 9);
    std::vector<Sommet*> sommets;
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        sommets.push_back(s);
    if (de(alea) == 0)
        CopierNom(sommets[sommet(alea)]->nom, "");
    if (de(alea) == 0) {
        const std::string nomAine = sommets[sommet(alea)]->nom;
        CopierNom(sommets[sommet(alea)]->nom, nomAine.c_str());
    }
    if (Arc* arc = sommets[sommet(alea)]->arcSuivant; arc != nullptr && de(alea) == 0)
        CopierNom(arc->nom, "Q");
}

std::string Decrire(const TGraphe& g)
{
    std::string texte;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        texte += "[" + std::string(s->nom) + "]";
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            texte += " " + std::string(a->nom) + ":" + std::to_string(a->valeur);
        texte += "\n";
    }
    return texte;
}

// Each named vertex in turn as the departure.
template <typename Comparer>
void PourChaqueDepart(const TGraphe& g, Comparer comparer)
{
    for (const Sommet* d = g.PremierSommet(); d != nullptr; d = d->sommetSuivant) {
        if (d->nom[0] != '\0')
            comparer(d->nom);
    }
}

// The window a command opens from `depart` to `arrivee` runs from the arrival
// back to the departure, or holds the arrival alone: it never shows a vertex
// the departure does not reach. None opens only on an absorbing circuit.
void VerifierFenetre(FauxServices& fenetre, TGraphe& g, Commande commande, const char* depart, const char* arrivee,
                     bool circuit)
{
    const size_t fenetres = fenetre.resultats.size();
    Executer(fenetre, g, commande, depart, arrivee);
    const std::string cas = std::string("from ") + depart + " to " + arrivee + " in\n" + Decrire(g);
    ASSERT_EQ(fenetre.resultats.size(), fenetres + (circuit ? 0 : 1)) << cas;
    if (circuit)
        return;
    const TGraphe& chemin = *fenetre.resultats.back().graphe;
    const std::vector<std::string> noms = NomsSommets(chemin);
    ASSERT_FALSE(noms.empty()) << cas;
    EXPECT_EQ(noms.front(), arrivee) << cas;
    EXPECT_TRUE(noms.back() == depart || noms.size() == 1) << cas;
    EXPECT_GE(chemin.NbArcs(), chemin.NbSommets() - 1) << "each vertex joined to the next in " << cas;
}

TEST(CheminsReference, Dijkstra_memesPredecesseursQueLaTranscription)
{
    std::mt19937 alea(20261208);
    for (int essai = 0; essai < 400; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        // Weights beyond 1000000 now and then: distances that can never be
        // chosen; and weights around it, so that some distances equal it.
        const Poids tirages[] = {{0, 1500000}, {999999, 1000001}, {0, 6}, {0, 6}, {0, 6}};
        RemplirAuHasard(g, alea, tirages[essai % 5]);
        PourChaqueDepart(g, [&](const char(&depart)[kTailleNom]) {
            const IndexNumeros index(g, g.NbSommets());
            EXPECT_EQ(PredecesseursDijkstra(index, index.Numero(depart)), reference::Dijkstra(g, depart))
                << "from " << depart << " in\n"
                << Decrire(g);
        });
    }
}

TEST(CheminsReference, Bellman_memesPredecesseursQueLaTranscriptionEtFenetresDepuisLeDepart)
{
    std::mt19937 alea(1812);
    int compares = 0;
    for (int essai = 0; essai < 400; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        RemplirAuHasard(g, alea, Poids{-3, 9, true});
        if (!SansCircuit(g))
            continue;
        NumerotationTopologique(g);
        PourChaqueDepart(g, [&](const char(&depart)[kTailleNom]) {
            const IndexNumeros index(g, g.NbSommets() + 2);
            EXPECT_EQ(PredecesseursBellman(index, g.NbSommets(), index.Numero(depart)), reference::Bellman(g, depart))
                << "from " << depart << " in\n"
                << Decrire(g);
        });
        PourChaqueDepart(g, [&](const char(&depart)[kTailleNom]) {
            PourChaqueDepart(g, [&](const char(&arrivee)[kTailleNom]) {
                VerifierFenetre(fenetre, g, Commande::BellmanMin, depart, arrivee, false);
            });
        });
        ++compares;
    }
    EXPECT_GT(compares, 300);
}

TEST(CheminsReference, Ford_memesPredecesseursEtMemesCircuitsQueLaTranscriptionEtFenetresDepuisLeDepart)
{
    std::mt19937 alea(8122026);
    int circuits = 0;
    for (int essai = 0; essai < 400; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        RemplirAuHasard(g, alea, essai % 2 == 0 ? Poids{-2, 6} : Poids{-1, 9});
        PourChaqueDepart(g, [&](const char(&depart)[kTailleNom]) {
            const IndexNumeros index(g, g.NbSommets());
            const auto rapide = PredecesseursFord(index, index.Numero(depart));
            const auto attendu = reference::Ford(g, depart);
            circuits += attendu.empty();
            EXPECT_EQ(rapide.value_or(std::vector<int32_t>{}), attendu) << "from " << depart << " in\n" << Decrire(g);
            PourChaqueDepart(g, [&](const char(&arrivee)[kTailleNom]) {
                VerifierFenetre(fenetre, g, Commande::FordMin, depart, arrivee, attendu.empty());
            });
        });
    }
    EXPECT_GT(circuits, 50) << "the draws should meet absorbing circuits often enough";
}

// The graphs Ford answers without its passes (weights zero or positive, or
// no circuit), with circuits of weight 0 among them and sums beyond 1000000.
TEST(CheminsReference, FordSansPasses_memesPredecesseursQueLaTranscription)
{
    std::mt19937 alea(9122026);
    const Poids profils[] = {{0, 3}, {0, 400000}, {-5, 5, true}, {-400000, 400000, true}};
    int directs = 0;
    for (int essai = 0; essai < 800; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        RemplirAuHasard(g, alea, profils[essai % 4]);
        PourChaqueDepart(g, [&](const char(&depart)[kTailleNom]) {
            const IndexNumeros index(g, g.NbSommets());
            directs += PredecesseursFordDirects(index, index.Numero(depart)).has_value();
            EXPECT_EQ(PredecesseursFord(index, index.Numero(depart)).value_or(std::vector<int32_t>{}),
                      reference::Ford(g, depart))
                << "from " << depart << " in\n"
                << Decrire(g);
        });
    }
    EXPECT_GT(directs, 2000) << "most of these graphs should be answered without the passes";
}

}  // namespace

#include "GrapheAleatoire.h"
#include "OutilsChemins.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace {

constexpr int kSommets = 10000;
constexpr int kArcs = 50000;

// From the shared builder, which links records without looking vertices up
// by name: building must stay far quicker than the runs it measures. With
// `sansCircuit`, every arc goes from an earlier vertex to a later one.
void Construire(TGraphe& g, bool sansCircuit)
{
    Tirage tirage;
    tirage.sommets = kSommets;
    tirage.arcs = kArcs;
    tirage.sansCircuit = sansCircuit;
    tirage.poidsMin = 0;
    tirage.poidsMax = 100;
    tirage.coordonneeMax = 999;
    tirage.graine = 42;
    Remplir(g, Tirer(tirage));
}

double Secondes(FauxServices& fenetre, TGraphe& g, Commande commande)
{
    const auto debut = std::chrono::steady_clock::now();
    Executer(fenetre, g, commande, "S0", "S9999");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// Loose bounds: the machine running the tests may be busy, and the goals
// are well under a second for Dijkstra and a few seconds for the others.
TEST(CheminsDurees, DixMilleSommetsCinquanteMilleArcs_enQuelquesSecondes)
{
    FauxServices fenetre;
    TGraphe g{fenetre};
    Construire(g, false);
    EXPECT_LT(Secondes(fenetre, g, Commande::Dijkstra), 2.0);
    const TGraphe* cheminDijkstra = FenetreChemin(fenetre);
    ASSERT_NE(cheminDijkstra, nullptr);
    EXPECT_GT(cheminDijkstra->NbSommets(), 1);

    EXPECT_LT(Secondes(fenetre, g, Commande::FordMin), 6.0);
    ASSERT_EQ(fenetre.resultats.size(), 2u);
    EXPECT_EQ(NomsSommets(*fenetre.resultats[1].graphe), NomsSommets(*cheminDijkstra))
        << "both find the same least path";

    // Negated, the random arcs close circuits of negative weight.
    EXPECT_LT(Secondes(fenetre, g, Commande::FordMax), 6.0);
    EXPECT_EQ(fenetre.resultats.size(), 2u);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Détection d'un circuit absorbant");
}

TEST(CheminsDurees, BellmanSurDixMilleSommetsSansCircuit_enQuelquesSecondes)
{
    FauxServices fenetre;
    TGraphe g{fenetre};
    Construire(g, true);
    EXPECT_LT(Secondes(fenetre, g, Commande::BellmanMin), 6.0);
    EXPECT_TRUE(fenetre.messages.empty()) << "the graph has no circuit";
    ASSERT_NE(FenetreChemin(fenetre), nullptr);
    EXPECT_LT(Secondes(fenetre, g, Commande::BellmanMax), 6.0);
    EXPECT_FALSE(g.PoidsInverses());
}

}  // namespace

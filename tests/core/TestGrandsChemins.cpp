#include "GrapheAleatoire.h"
#include "OutilsChemins.h"

#include <gtest/gtest.h>

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

void Lancer(FauxServices& fenetre, TGraphe& g, Commande commande)
{
    Executer(fenetre, g, commande, "S0", "S9999");
}

// The path commands on a large graph give the answers of the small ones;
// how long each takes is the benchmark's concern.
TEST(GrandsChemins, DixMilleSommetsCinquanteMilleArcs)
{
    FauxServices fenetre;
    TGraphe g{fenetre};
    Construire(g, false);
    Lancer(fenetre, g, Commande::Dijkstra);
    const TGraphe* cheminDijkstra = FenetreChemin(fenetre);
    ASSERT_NE(cheminDijkstra, nullptr);
    EXPECT_GT(cheminDijkstra->NbSommets(), 1);

    Lancer(fenetre, g, Commande::FordMin);
    ASSERT_EQ(fenetre.resultats.size(), 2u);
    EXPECT_EQ(NomsSommets(*fenetre.resultats[1].graphe), NomsSommets(*cheminDijkstra))
        << "both find the same least path";

    // Negated, the random arcs close circuits of negative weight.
    Lancer(fenetre, g, Commande::FordMax);
    EXPECT_EQ(fenetre.resultats.size(), 2u);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Détection d'un circuit absorbant");
}

TEST(GrandsChemins, BellmanSurDixMilleSommetsSansCircuit)
{
    FauxServices fenetre;
    TGraphe g{fenetre};
    Construire(g, true);
    Lancer(fenetre, g, Commande::BellmanMin);
    EXPECT_TRUE(fenetre.messages.empty()) << "the graph has no circuit";
    ASSERT_NE(FenetreChemin(fenetre), nullptr);
    Lancer(fenetre, g, Commande::BellmanMax);
    EXPECT_FALSE(g.PoidsInverses());
}

}  // namespace

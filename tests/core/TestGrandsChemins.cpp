#include "OutilsChemins.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr int kSommets = 10000;
constexpr int kArcs = 50000;

// Records linked by hand: AjouterArc looks its vertices up by name, which
// would make building the graph slower than the runs it measures. With
// `sansCircuit`, every arc goes from an earlier vertex to a later one.
void Construire(TGraphe& g, bool sansCircuit)
{
    std::mt19937 alea(42);
    std::vector<Sommet*> sommets;
    Sommet** suivant = &g.premierSommet;
    for (int i = 0; i < kSommets; ++i) {
        auto* s = new Sommet;
        CopierNom(s->nom, ("S" + std::to_string(i)).c_str());
        s->x = i % 1000;
        s->y = i / 10;
        *suivant = s;
        suivant = &s->sommetSuivant;
        sommets.push_back(s);
    }
    std::uniform_int_distribution<> tirage(0, kSommets - 1);
    std::uniform_int_distribution<> poids(0, 100);
    for (int k = 0; k < kArcs; ++k) {
        int origine = tirage(alea);
        int cible = tirage(alea);
        if (sansCircuit && origine >= cible) {
            std::swap(origine, cible);
            cible += origine == cible;
            if (cible == kSommets)
                continue;
        }
        auto* arc = new Arc;
        CopierNom(arc->nom, sommets[cible]->nom);
        arc->valeur = poids(alea);
        arc->arcSuivant = sommets[origine]->arcSuivant;
        sommets[origine]->arcSuivant = arc;
        ++g.nbArcs;
    }
    g.nbSommets = kSommets;
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
    EXPECT_GT(cheminDijkstra->nbSommets, 1);

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

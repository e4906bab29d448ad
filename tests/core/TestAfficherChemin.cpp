#include "OutilsChemins.h"
#include "algorithms/Chemins.h"

#include <gtest/gtest.h>

namespace {

using Noms = std::vector<std::string>;
using Arcs = std::vector<std::string>;
constexpr int32_t kAucun = kAucunSommet;

struct AfficherChemin : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    void SetUp() override
    {
        AjouterSommets(g, {"S0", "S1", "S2"});  // (10,20) (40,60) (70,100)
        AjouterArcs(g, {{"S2", "S1", 7}, {"S0", "S2", 3}, {"S0", "S1", 1}, {"S2", "S1", 8}});
    }
    const TGraphe& Chemin(std::vector<int32_t> predecesseur, int32_t fin)
    {
        ::AfficherChemin(g, predecesseur, fin);
        EXPECT_EQ(fenetre.resultats.size(), 1u) << "one window per call";
        return *FenetreChemin(fenetre);
    }
};

TEST_F(AfficherChemin, RemonteDeLaFinAuDebut_avecLesArcsParallelesEtLesPositions)
{
    const TGraphe& chemin = Chemin({kAucun, 2, 0}, 1);
    EXPECT_TRUE(chemin.Oriente());
    EXPECT_EQ(NomsSommets(chemin), (Noms{"S1", "S2", "S0"}));
    EXPECT_EQ(ArcsEnTexte(chemin), (Arcs{"S2>S1:7", "S2>S1:8", "S0>S2:3"}));
    const Sommet* s2 = chemin.ChercherSommet("S2");
    EXPECT_EQ(s2->x, 70);
    EXPECT_EQ(s2->y, 100);
    const auto& services = *fenetre.resultats.back().services;
    ASSERT_FALSE(services.tailles.empty());
    EXPECT_EQ(services.tailles.back(), std::make_pair(120, 150));
    EXPECT_GE(services.redessins, 1);
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(AfficherChemin, PoidsInverses_restauresAvantLaCopie)
{
    g.InverserPoids();
    const TGraphe& chemin = Chemin({kAucun, 2, 0}, 1);
    EXPECT_EQ(ArcsEnTexte(chemin), (Arcs{"S2>S1:7", "S2>S1:8", "S0>S2:3"}));
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(Chaine(g, "S2"), (Arcs{"S1:7", "S1:8"}));
}

TEST_F(AfficherChemin, FinAbsente_fenetreVideDe50Sur50)
{
    const TGraphe& chemin = Chemin({kAucun, 2, 0}, kAucun);
    EXPECT_EQ(chemin.NbSommets(), 0);
    EXPECT_EQ(fenetre.resultats.back().services->tailles.back(), std::make_pair(50, 50));
}

TEST_F(AfficherChemin, FinSansPredecesseur_seule)
{
    const TGraphe& chemin = Chemin({kAucun, kAucun, kAucun}, 2);
    EXPECT_EQ(NomsSommets(chemin), (Noms{"S2"}));
    EXPECT_EQ(chemin.NbArcs(), 0);
}

TEST_F(AfficherChemin, TableQuiBoucle_sArreteAvantLeSommetDejaPris)
{
    // S1 <- S2 <- S0 <- S2 ...: the arc S2 to S0 that would close the loop
    // does not exist anyway; S0 to S2 is between consecutive vertices.
    const TGraphe& chemin = Chemin({2, 2, 0}, 1);
    EXPECT_EQ(NomsSommets(chemin), (Noms{"S1", "S2", "S0"}));
    EXPECT_EQ(ArcsEnTexte(chemin), (Arcs{"S2>S1:7", "S2>S1:8", "S0>S2:3"}));

    FauxServices autre;
    TGraphe boucle{autre};
    AjouterSommets(boucle, {"U", "V"});
    AjouterArcs(boucle, {{"U", "V", 0}, {"V", "U", 0}});
    const std::vector<int32_t> predecesseur{1, 0};
    ::AfficherChemin(boucle, predecesseur, 0);
    const TGraphe& fermee = *FenetreChemin(autre);
    EXPECT_EQ(NomsSommets(fermee), (Noms{"U", "V"}));
    EXPECT_EQ(ArcsEnTexte(fermee), (Arcs{"V>U:0"})) << "the closing arc U to V is left out";
}

TEST_F(AfficherChemin, NumerosHorsDeLaTable_terminentLeParcours)
{
    EXPECT_EQ(NomsSommets(Chemin({kAucun, 9, -4}, 1)), (Noms{"S1"}));
    fenetre.resultats.clear();
    EXPECT_EQ(Chemin({kAucun, 9, -4}, 2).NbSommets(), 1);
    fenetre.resultats.clear();
    EXPECT_EQ(Chemin({kAucun, 9, -4}, 3).NbSommets(), 0);
    fenetre.resultats.clear();
    EXPECT_EQ(Chemin({kAucun, 9, -4}, -1).NbSommets(), 0);
    fenetre.resultats.clear();
    EXPECT_EQ(Chemin({}, 0).NbSommets(), 0);
}

TEST_F(AfficherChemin, Homonymes_unSeulSommetParNomDansLaFenetre)
{
    // Two vertices named S1 (a file may hold them), both numbered, as
    // Bellman's numbering may leave them.
    g.AjouterSommet("X", 5, 5);
    CopierNom(g.ChercherSommet("X")->nom, "S1");
    Numeroter(g, {1, 2, 3, 4});
    const TGraphe& chemin = Chemin({kAucun, kAucun, 4, 2, kAucun}, 3);
    EXPECT_EQ(NomsSommets(chemin), (Noms{"S2", "S1"}));
    EXPECT_TRUE(FenetreChemin(fenetre) != nullptr);
    EXPECT_TRUE(fenetre.resultats.back().services->messages.empty());
}

}  // namespace

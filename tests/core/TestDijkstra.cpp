#include "OutilsChemins.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Noms = std::vector<std::string>;
using Arcs = std::vector<std::string>;

constexpr const char* kPoidsNegatifs =
    "Ce graphe possède des arcs de poids négatifs\n or l'algorithme de Dijkstra ne fonctionne "
    "qu'avec des arcs de poids positifs ou nuls.";

struct Dijkstra : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    const TGraphe* Lancer(const std::string& depart, const std::string& arrivee)
    {
        Executer(fenetre, g, Commande::Dijkstra, depart, arrivee);
        return FenetreChemin(fenetre);
    }
};

TEST_F(Dijkstra, PrendLeDetourMoinsLourd_fenetreDeLaFinAuDebut)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 4}, {"A", "C", 1}, {"C", "B", 2}});
    const TGraphe* chemin = Lancer("A", "B");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"B", "C", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"C>B:2", "A>C:1"}));
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Algorithme de Dijkstra"}));
    EXPECT_EQ(fenetre.redessins, 1) << "the source window is repainted";
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(Dijkstra, DistancesEgales_lePlusGrandNumeroEstRegleDabord)
{
    AjouterSommets(g, {"A", "B", "C", "D"});
    AjouterArcs(g, {{"A", "B", 1}, {"A", "C", 1}, {"B", "D", 1}, {"C", "D", 1}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "D")), (Noms{"D", "C", "A"}));
}

TEST_F(Dijkstra, NonOriente_laFenetreSuitLeCheminDuDepartVersLArrivee)
{
    g.FixerOriente(false);
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 2}, {"B", "C", 3}});
    const TGraphe* chemin = Lancer("C", "A");
    EXPECT_TRUE(chemin->Oriente());
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"A", "B", "C"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"B>A:2", "C>B:3"}));
}

TEST_F(Dijkstra, ArriveeInaccessibleOuEgaleAuDepart_seule)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"C", "A", 1}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "C")), (Noms{"C"}));
    EXPECT_EQ(NomsSommets(*Lancer("B", "B")), (Noms{"B"}));
}

TEST_F(Dijkstra, NomsAbsentsOuSaisieAnnulee_rienNiMessageNiNumerosEffaces)
{
    AjouterSommets(g, {"A", "B"});
    g.AjouterArc("A", "B", -1);
    Numeroter(g, {2, 1});
    EXPECT_EQ(Lancer("", ""), nullptr);
    EXPECT_EQ(Lancer("A", ""), nullptr);
    EXPECT_EQ(Lancer("A", "Z"), nullptr);
    EXPECT_EQ(Lancer("a", "B"), nullptr);
    EXPECT_TRUE(fenetre.messages.empty());
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(fenetre.redessins, 4);
}

TEST_F(Dijkstra, ExtremiteNumeroteeMoinsUn_commeUnNomAbsent)
{
    // A file can give a vertex the number -1, the answer for a missing name.
    AjouterSommets(g, {"A", "B", "C"});
    g.AjouterArc("A", "B", 1);
    CopierNom(g.PremierSommet()->sommetSuivant->sommetSuivant->nom, "A");
    Numeroter(g, {-1, 3, 0});
    EXPECT_EQ(Lancer("A", "B"), nullptr);
    EXPECT_EQ(Lancer("B", "A"), nullptr);
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{-1, 3, 0}));
    Numeroter(g, {0, -1, 0});
    EXPECT_NE(Lancer("A", "A"), nullptr) << "only the first bearer's number counts";
}

TEST_F(Dijkstra, PoidsNegatifLoinDuChemin_refuseApresLesNoms)
{
    AjouterSommets(g, {"A", "B", "X", "Y", "Z"});
    AjouterArcs(g, {{"A", "B", 0}, {"Y", "Z", -1}});
    Numeroter(g, {5, 4, 3, 2, 1});
    EXPECT_EQ(Lancer("A", "B"), nullptr);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte, kPoidsNegatifs);
    EXPECT_EQ(fenetre.messages[0].titre, "Graphe incorrect");
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{0, 0, 0, 0, 1})) << "numbers cleared up to Y only";
}

TEST_F(Dijkstra, EffaceLesNumeros_etCalculeSurLesPositions)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 4}, {"A", "C", 1}, {"C", "B", 2}});
    Numeroter(g, {1, 3, 2});
    EXPECT_EQ(NomsSommets(*Lancer("A", "B")), (Noms{"B", "C", "A"}));
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(Dijkstra, ParallelesDepuisLeDepart_leDernierDeLaChaineFixeLaDistance)
{
    // A to C at 1, then 9: C starts at 9, so B's direct 5 wins over A, C, B.
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "C", 1}, {"A", "C", 9}, {"A", "B", 5}, {"C", "B", 1}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "B")), (Noms{"B", "A"}));
}

TEST_F(Dijkstra, DistancesAuDelaDeLInfini_laBoucleSeTermine)
{
    // Nothing left can be chosen once every distance is above 1000000.
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 2000000}, {"A", "C", 3000000}, {"B", "C", 1}});
    const TGraphe* chemin = Lancer("A", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"A>C:3000000"}));
}

TEST_F(Dijkstra, DistanceEgaleAlInfini_leSommetNeTransmetRien)
{
    // Straight from the departure, B keeps its arc at 1000000 but is never
    // chosen at that distance, so C is not reached through it. Through D,
    // 1000000 is no shorter than the distance B starts with: not reached.
    AjouterSommets(g, {"A", "B", "C", "D"});
    AjouterArcs(g, {{"A", "B", 1000000}, {"B", "C", 5}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "C")), (Noms{"C"}));
    EXPECT_EQ(NomsSommets(*Lancer("A", "B")), (Noms{"B", "A"}));
    g.SupprimerArc("A", "B");
    AjouterArcs(g, {{"A", "D", 1}, {"D", "B", 999999}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "C")), (Noms{"C"}));
    EXPECT_EQ(NomsSommets(*Lancer("A", "B")), (Noms{"B"}));
}

TEST_F(Dijkstra, SommetAuNomVide_jamaisChoisiEtLaBoucleSeTermine)
{
    AjouterSommets(g, {"A", "", "B"});
    AjouterArcs(g, {{"A", "", 1}, {"", "B", 1}});
    const TGraphe* chemin = Lancer("A", "B");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"B"})) << "the unnamed vertex never passes its arcs on";
}

TEST_F(Dijkstra, SommesSansDebordement)
{
    // On 32 bits, 1 + 2147483647 would wrap below B's distance 5.
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "C", 1}, {"C", "B", std::numeric_limits<int32_t>::max()}, {"A", "B", 5}});
    EXPECT_EQ(NomsSommets(*Lancer("A", "B")), (Noms{"B", "A"}));
}

TEST_F(Dijkstra, ArcVersUnNomAbsentEtHomonymes_sansPlantage)
{
    AjouterSommets(g, {"A", "B", "C", "D"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"A", "D", 1}, {"D", "C", 5}});
    CopierNom(g.ChercherSommet("D")->nom, "B");          // a later homonym of B
    CopierNom(g.PremierSommet()->arcSuivant->nom, "Q");  // A's arc to B now names no vertex
    const TGraphe* chemin = Lancer("A", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C"}));
}

}  // namespace

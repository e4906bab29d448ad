#include "OutilsChemins.h"

#include <gtest/gtest.h>

namespace {

using Noms = std::vector<std::string>;
using Arcs = std::vector<std::string>;

struct Ford : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    const TGraphe* Lancer(Commande commande, const std::string& depart, const std::string& arrivee)
    {
        Executer(fenetre, g, commande, depart, arrivee);
        return FenetreChemin(fenetre);
    }
    void AttendreCircuitAbsorbant()
    {
        EXPECT_EQ(FenetreChemin(fenetre), nullptr);
        ASSERT_EQ(fenetre.messages.size(), 1u);
        EXPECT_EQ(fenetre.messages[0].texte, "Il y a un circuit absorbant dans ce graphe");
        EXPECT_EQ(fenetre.messages[0].titre, "Détection d'un circuit absorbant");
    }
};

TEST_F(Ford, PoidsNegatif_prendLeCheminLeMoinsLourd)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 2}, {"A", "C", 5}, {"B", "C", -4}});
    const TGraphe* chemin = Lancer(Commande::FordMin, "A", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C", "B", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"B>C:-4", "A>B:2"}));
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Algorithme de Ford"}));
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(Ford, CircuitAbsorbant_messageEtPasDeFenetre)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", -3}, {"C", "B", 1}});
    Lancer(Commande::FordMin, "A", "C");
    AttendreCircuitAbsorbant();
}

TEST_F(Ford, CircuitAbsorbantParLeDepart_detecte)
{
    // With the departure pinned at 0 the circuit A, B, A went unnoticed.
    AjouterSommets(g, {"A", "B"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "A", -2}});
    Lancer(Commande::FordMin, "A", "B");
    AttendreCircuitAbsorbant();
}

TEST_F(Ford, CircuitInaccessibleDepuisLeDepart_detecteAussi)
{
    AjouterSommets(g, {"A", "B", "X", "Y"});
    AjouterArcs(g, {{"A", "B", 1}, {"X", "Y", -1}, {"Y", "X", -1}});
    Lancer(Commande::FordMin, "A", "B");
    AttendreCircuitAbsorbant();
}

TEST_F(Ford, CircuitParUnSommetNonAtteint_detecteAussi)
{
    // A reaches B, but C only at 1000001, which counts as not reached.
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1000000}, {"C", "B", -1000005}});
    Lancer(Commande::FordMin, "A", "B");
    AttendreCircuitAbsorbant();
}

TEST_F(Ford, SommetNonAtteint_neTransmetRien)
{
    // 1000000 - 5 once made X the predecessor of Y.
    AjouterSommets(g, {"A", "B", "X", "Y"});
    AjouterArcs(g, {{"A", "B", 1}, {"X", "Y", -5}});
    EXPECT_EQ(NomsSommets(*Lancer(Commande::FordMin, "A", "Y")), (Noms{"Y"}));
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(Ford, MaxSurUneAreteNonOrientee_circuitAbsorbantEtPoidsRestaures)
{
    g.FixerOriente(false);
    AjouterSommets(g, {"A", "B"});
    AjouterArcs(g, {{"A", "B", 3}});
    Lancer(Commande::FordMax, "A", "B");
    AttendreCircuitAbsorbant();
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(ArcsEnTexte(g), (Arcs{"A>B:3", "B>A:3"}));
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(Ford, Max_cheminLePlusLourdAvecLesPoidsSaisis)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"A", "C", 5}, {"A", "B", 7}});
    const TGraphe* chemin = Lancer(Commande::FordMax, "A", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C", "B", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"B>C:1", "A>B:1", "A>B:7"}));
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(ArcsEnTexte(g), (Arcs{"A>B:1", "A>C:5", "A>B:7", "B>C:1"}));
}

TEST_F(Ford, SaisieAnnuleeOuNomAbsent_rienEtPoidsRestauresEnMax)
{
    AjouterSommets(g, {"A", "B"});
    AjouterArcs(g, {{"A", "B", 4}});
    Numeroter(g, {2, 1});
    EXPECT_EQ(Lancer(Commande::FordMin, "", "B"), nullptr);
    EXPECT_EQ(Lancer(Commande::FordMax, "A", "Z"), nullptr);
    EXPECT_TRUE(fenetre.messages.empty());
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(ArcsEnTexte(g), (Arcs{"A>B:4"}));
    EXPECT_FALSE(g.PoidsInverses());
}

TEST_F(Ford, CircuitDePoidsNul_cheminJusquAuDepart)
{
    // The last pass leaves U's predecessor V and V's predecessor U; U then
    // takes A, which lowered it first.
    AjouterSommets(g, {"V", "U", "A"});
    AjouterArcs(g, {{"A", "U", 1}, {"U", "V", 0}, {"V", "U", 0}});
    const TGraphe* chemin = Lancer(Commande::FordMin, "A", "U");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"U", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"A>U:1"}));
    EXPECT_EQ(NomsSommets(*Lancer(Commande::FordMin, "A", "V")), (Noms{"V", "U", "A"}));
}

TEST_F(Ford, ApresUneNumerotation_travailleSurLesPositions)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 2}, {"B", "C", 2}, {"A", "C", 9}});
    Numeroter(g, {1, 2, 3});
    EXPECT_EQ(NomsSommets(*Lancer(Commande::FordMin, "A", "C")), (Noms{"C", "B", "A"}));
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{0, 0, 0}));
}

TEST_F(Ford, SommesSansDebordement)
{
    // On 32 bits, -2000000000 twice wraps to a large positive sum and the
    // direct arc would win.
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", -2000000000}, {"B", "C", -2000000000}, {"A", "C", -5}});
    EXPECT_EQ(NomsSommets(*Lancer(Commande::FordMin, "A", "C")), (Noms{"C", "B", "A"}));
}

}  // namespace

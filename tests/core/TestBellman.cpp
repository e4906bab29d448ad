#include "OutilsChemins.h"

#include <gtest/gtest.h>

namespace {

using Noms = std::vector<std::string>;
using Arcs = std::vector<std::string>;

constexpr const char* kImpossible =
    "L'algorithme de Bellman ne peut être déroulé car ce graphe possède un ou plusieurs circuits\n"
    " ou alors vous avez indiqué des sommets qui n'existent pas.";

struct Bellman : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    const TGraphe* Lancer(Commande commande, const std::string& depart, const std::string& arrivee)
    {
        Executer(fenetre, g, commande, depart, arrivee);
        return FenetreChemin(fenetre);
    }
    void AttendreRefus()
    {
        EXPECT_EQ(FenetreChemin(fenetre), nullptr);
        ASSERT_EQ(fenetre.messages.size(), 1u);
        EXPECT_EQ(fenetre.messages[0].texte, kImpossible);
        EXPECT_EQ(fenetre.messages[0].titre, "Algorithme Bellman");
    }
};

TEST_F(Bellman, CalculeDepuisLeDepartIndique)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}});
    const TGraphe* chemin = Lancer(Commande::BellmanMin, "B", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C", "B"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"B>C:1"}));
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Algorithme de Bellman"}));
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(Bellman, LaisseLesNumerosTopologiques)
{
    AjouterSommets(g, {"C", "B", "A"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"A", "C", 5}});
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "A", "C")), (Noms{"C", "B", "A"}));
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{3, 2, 1}));
}

TEST_F(Bellman, Max_cheminLePlusLourdEtPoidsRestaures)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"A", "C", 5}});
    const TGraphe* chemin = Lancer(Commande::BellmanMax, "A", "C");
    ASSERT_NE(chemin, nullptr);
    EXPECT_EQ(NomsSommets(*chemin), (Noms{"C", "A"}));
    EXPECT_EQ(ArcsEnTexte(*chemin), (Arcs{"A>C:5"}));
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(ArcsEnTexte(g), (Arcs{"A>B:1", "A>C:5", "B>C:1"}));
}

TEST_F(Bellman, EgalitesAuPlusPetitNumeroPuisAuPremierArc)
{
    AjouterSommets(g, {"A", "B", "C", "D"});
    AjouterArcs(g, {{"A", "C", 1}, {"A", "B", 1}, {"C", "D", 1}, {"B", "D", 1}});
    // A's chain names C first, so C gets 2 and B 3: of D's two equal
    // origins the lower number wins, although B comes first in the list.
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "A", "D")), (Noms{"D", "C", "A"}));
}

TEST_F(Bellman, ArriveeNonAtteinte_seuleDansLaFenetre)
{
    // A is vertex 1 but not the departure: it passes nothing on, not even
    // through the negative arc A to Y.
    AjouterSommets(g, {"A", "X", "B", "Y"});
    AjouterArcs(g, {{"A", "B", 3}, {"X", "B", 1}, {"A", "Y", -5}});
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "X", "B")), (Noms{"B", "X"}));
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "X", "Y")), (Noms{"Y"}));
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "B", "X")), (Noms{"X"}));
    EXPECT_EQ(NomsSommets(*Lancer(Commande::BellmanMin, "X", "X")), (Noms{"X"}));
}

TEST_F(Bellman, CircuitOuNonOriente_refuseEtNumerosEffaces)
{
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"C", "B", 1}});
    Numeroter(g, {1, 2, 3});
    Lancer(Commande::BellmanMin, "A", "C");
    AttendreRefus();
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{0, 0, 0}));

    FauxServices autre;
    TGraphe nonOriente{autre};
    nonOriente.FixerOriente(false);
    AjouterSommets(nonOriente, {"A", "B"});
    AjouterArcs(nonOriente, {{"A", "B", 2}});
    Executer(autre, nonOriente, Commande::BellmanMax, "A", "B");
    ASSERT_EQ(autre.messages.size(), 1u);
    EXPECT_EQ(autre.messages[0].titre, "Algorithme Bellman");
    EXPECT_EQ(ArcsEnTexte(nonOriente), (Arcs{"A>B:2", "B>A:2"}));
    EXPECT_FALSE(nonOriente.PoidsInverses());
}

TEST_F(Bellman, SaisieAnnuleeOuNomAbsent_leMemeMessage)
{
    AjouterSommets(g, {"A", "B"});
    AjouterArcs(g, {{"A", "B", 1}});
    Lancer(Commande::BellmanMin, "", "");
    Lancer(Commande::BellmanMin, "A", "Z");
    Lancer(Commande::BellmanMin, "Z", "B");
    EXPECT_EQ(fenetre.messages.size(), 3u);
    for (const auto& message : fenetre.messages)
        EXPECT_EQ(message.texte, kImpossible);
    EXPECT_EQ(FenetreChemin(fenetre), nullptr);
}

}  // namespace

#include "FauxServices.h"
#include "OutilsArbres.h"

#include "algorithms/Commandes.h"
#include "algorithms/Kruskal.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Noms = std::vector<std::string>;
using Arcs = std::vector<std::string>;

struct Kruskal : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    TGraphe& Arbre()
    {
        EXPECT_EQ(fenetre.resultats.size(), 1u) << "one result window per run of Kruskal n°1";
        return *fenetre.resultats.back().graphe;
    }
    FauxServices& FenetreArbre() { return *fenetre.resultats.back().services; }

    void Triangle(bool oriente = false)
    {
        Construire(g, oriente, {"A", "B", "C"}, {{"A", "B", 3}, {"B", "C", 2}, {"A", "C", 1}});
    }
};

// ---- Kruskal n°1 -----------------------------------------------------------

TEST_F(Kruskal, Kruskal1Max_triangleGardeLesDeuxAretesLesPlusLourdes)
{
    Triangle();
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_TRUE(r.Oriente());
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "B", "C"}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"B:3"}));
    EXPECT_EQ(Chaine(r, "B"), (Arcs{"C:2"}));
    EXPECT_EQ(Chaine(r, "C"), (Arcs{}));
    EXPECT_EQ(r.NbArcs(), 2);
    EXPECT_EQ(fenetre.redessins, 1) << "the source window repaints after the command";
}

TEST_F(Kruskal, Kruskal1Min_triangleAvecLesPoidsSaisisEtLaSourceIntacte)
{
    Triangle();
    ExecuterCommande(g, Commande::Kruskal1Min);
    TGraphe& r = Arbre();
    // Vertices come in the order their first accepted arc brought them.
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "C", "B"}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"C:1"}));
    EXPECT_EQ(Chaine(r, "C"), (Arcs{"B:2"}));
    EXPECT_EQ(r.NbArcs(), 2);
    EXPECT_FALSE(r.PoidsInverses());
    // The source keeps its weights; every arc was considered.
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:3*", "C:1*"}));
    EXPECT_EQ(ChaineMarquee(g, "B"), (Arcs{"A:3*", "C:2*"}));
    EXPECT_EQ(ChaineMarquee(g, "C"), (Arcs{"B:2*", "A:1*"}));
}

TEST_F(Kruskal, Kruskal1_fenetreAjusteeAuxSommetsPosesCommeALaSource)
{
    Construire(g, true, {"A", "B"}, {{"A", "B", 4}});
    g.ChercherSommet("A")->x = 300;
    g.ChercherSommet("A")->y = 10;
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_EQ(r.ChercherSommet("A")->x, 300);
    // The target's position is the one its arc records.
    EXPECT_EQ(r.ChercherSommet("B")->x, g.ChercherSommet("A")->arcSuivant->x);
    ASSERT_FALSE(FenetreArbre().tailles.empty());
    EXPECT_EQ(FenetreArbre().tailles.back(), (std::pair<int, int>{350, 100}));
    EXPECT_GE(FenetreArbre().redessins, 1);
}

TEST_F(Kruskal, Kruskal1_sommetAtteintSeulementParDerriereEntreDansLArbre)
{
    // The cycle test meets B again from C and would leave C out.
    Construire(g, true, {"A", "B", "C"}, {{"A", "B", 3}, {"C", "B", 2}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "B", "C"}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"B:3"}));
    EXPECT_EQ(Chaine(r, "C"), (Arcs{"B:2"}));
}

TEST_F(Kruskal, Kruskal1_arbreEntreSousSaRacineGardeLeMeilleur)
{
    // The cycle test refuses A to B, A entering after B, the root of the tree
    // A would head, and keeps C to A (1): Kruskal's rule keeps A to B (4).
    Construire(g, true, {"A", "B", "C"}, {{"B", "C", 5}, {"A", "B", 4}, {"C", "A", 1}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_EQ(NomsSommets(r), (Noms{"B", "C", "A"}));
    EXPECT_EQ(Chaine(r, "B"), (Arcs{"C:5"}));
    EXPECT_EQ(Chaine(r, "C"), (Arcs{}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"B:4"}));
    EXPECT_EQ(ChaineMarquee(g, "C"), (Arcs{"A:1*"})) << "every arc is still considered";
}

TEST_F(Kruskal, Kruskal1_arbreOptimalDuParcoursGardeTelQuel)
{
    // A tree as heavy as the best one is kept as its steps built it, though
    // Kruskal's rule would keep C to B, picked before B to C.
    Construire(g, true, {"A", "C", "B"}, {{"A", "B", 5}, {"C", "B", 4}, {"B", "C", 4}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "B", "C"}));
    EXPECT_EQ(Chaine(r, "B"), (Arcs{"C:4"}));
    EXPECT_EQ(Chaine(r, "C"), (Arcs{}));
}

TEST_F(Kruskal, Kruskal1_bouclesJamaisGardees)
{
    Construire(g, false, {"A", "B"}, {{"A", "A", 9}, {"A", "B", 1}, {"B", "B", 8}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    TGraphe& r = Arbre();
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "B"}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"B:1"}));
    EXPECT_EQ(Chaine(r, "B"), (Arcs{}));
}

TEST_F(Kruskal, Kruskal1_sansArcOuvreUneFenetreVide)
{
    Construire(g, true, {"A", "B"}, {});
    ExecuterCommande(g, Commande::Kruskal1Max);
    EXPECT_EQ(Arbre().NbSommets(), 0);
    EXPECT_EQ(FenetreArbre().tailles.back(), (std::pair<int, int>{50, 50}));

    FauxServices autre;
    TGraphe vide{autre};
    ExecuterCommande(vide, Commande::Kruskal1Min);
    ASSERT_EQ(autre.resultats.size(), 1u);
    EXPECT_EQ(autre.resultats[0].graphe->NbSommets(), 0);
    EXPECT_FALSE(vide.PoidsInverses());
}

TEST_F(Kruskal, Kruskal1_arcsParallelesChacunPrisAvecSonPoids)
{
    Construire(g, true, {"A", "B", "C"}, {{"A", "B", 1}, {"A", "B", 5}, {"B", "C", 2}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    EXPECT_EQ(Chaine(Arbre(), "A"), (Arcs{"B:5"})) << "the arc picked, not the first between A and B";
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:1*", "B:5*"}));

    ExecuterCommande(g, Commande::Kruskal1Min);
    EXPECT_EQ(Chaine(*fenetre.resultats.back().graphe, "A"), (Arcs{"B:1"}));
}

TEST_F(Kruskal, Kruskal1_poidsAuPlancherJamaisChoisis)
{
    Construire(g, true, {"A", "B", "C", "D"},
               {{"A", "B", -1000000}, {"A", "C", -999999}, {"A", "D", INT_MIN}, {"B", "C", 1000000}});
    ExecuterCommande(g, Commande::Kruskal1Max);
    EXPECT_EQ(NomsSommets(Arbre()), (Noms{"B", "C", "A"}));
    EXPECT_EQ(Chaine(Arbre(), "A"), (Arcs{"C:-999999"}));
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:-1000000", "C:-999999*", "D:" + std::to_string(INT_MIN)}));

    // Under "min" the heaviest weights are the ones left out.
    ExecuterCommande(g, Commande::Kruskal1Min);
    TGraphe& r = *fenetre.resultats.back().graphe;
    EXPECT_EQ(NomsSommets(r), (Noms{"A", "B", "C"}));
    EXPECT_EQ(Chaine(r, "A"), (Arcs{"B:-1000000", "C:-999999"}));
    EXPECT_EQ(Chaine(g, "B"), (Arcs{"C:1000000"})) << "weights restored after the run";
}

// ---- Kruskal n°2 -----------------------------------------------------------

TEST_F(Kruskal, Kruskal2Min_triangleGardeLesDeuxAretesLegeresDansLesDeuxSens)
{
    Triangle();
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"C:1*"}));
    EXPECT_EQ(ChaineMarquee(g, "B"), (Arcs{"C:2*"}));
    // Put back at the end of its chain, step after step.
    EXPECT_EQ(ChaineMarquee(g, "C"), (Arcs{"B:2*", "A:1*"}));
    EXPECT_EQ(g.NbArcs(), 4);
    EXPECT_EQ(fenetre.redessins, 1);
    EXPECT_TRUE(fenetre.resultats.empty());
}

TEST_F(Kruskal, Kruskal2Max_triangleGardeLesLourdesAvecLesPoidsSaisis)
{
    Triangle();
    ExecuterCommande(g, Commande::Kruskal2Max);
    EXPECT_EQ(Chaine(g, "A"), (Arcs{"B:3"}));
    EXPECT_EQ(Chaine(g, "B"), (Arcs{"C:2", "A:3"}));
    EXPECT_EQ(Chaine(g, "C"), (Arcs{"B:2"}));
    EXPECT_EQ(g.NbArcs(), 4);
    EXPECT_FALSE(g.PoidsInverses());
}

TEST_F(Kruskal, Kruskal2Min_orienteRetireLArcLourdQuiNeDeconnectePas)
{
    Triangle(/*oriente=*/true);
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(Chaine(g, "A"), (Arcs{"C:1"}));
    EXPECT_EQ(Chaine(g, "B"), (Arcs{"C:2"}));
    EXPECT_EQ(g.NbArcs(), 2);
}

TEST_F(Kruskal, Kruskal2_considereChaqueArcJusquAuDernier)
{
    Construire(g, true, {"A", "B", "C"},
               {{"A", "B", 6}, {"B", "A", 5}, {"B", "C", 4}, {"C", "B", 3}, {"A", "C", 2}, {"C", "A", 1}});
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{}));
    EXPECT_EQ(ChaineMarquee(g, "B"), (Arcs{}));
    EXPECT_EQ(ChaineMarquee(g, "C"), (Arcs{"B:3*", "A:1*"}));
    EXPECT_EQ(g.NbArcs(), 2);
}

TEST_F(Kruskal, Kruskal2_grapheNonConnexeRestituePoidsEtArcsParalleles)
{
    Construire(g, false, {"A", "B", "C", "D", "E"},
               {{"A", "B", 5}, {"A", "B", 7}, {"C", "D", 2}, {"D", "E", 9}, {"C", "C", 4}});
    const auto enregistrements = CompterEnregistrements(g);
    ExecuterCommande(g, Commande::Kruskal2Min);
    // Put back edge after edge, heaviest first: the chains' order changes.
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:7*", "B:5*"}));
    EXPECT_EQ(ChaineMarquee(g, "B"), (Arcs{"A:7*", "A:5*"}));
    EXPECT_EQ(ChaineMarquee(g, "C"), (Arcs{"C:4*", "C:4*", "D:2*"}));
    EXPECT_EQ(ChaineMarquee(g, "D"), (Arcs{"E:9*", "C:2*"}));
    EXPECT_EQ(CompterEnregistrements(g), enregistrements);
    EXPECT_EQ(g.NbArcs(), 10);

    ExecuterCommande(g, Commande::Kruskal2Max);
    EXPECT_EQ(Chaine(g, "A"), (Arcs{"B:5", "B:7"}));
    EXPECT_EQ(Chaine(g, "E"), (Arcs{"D:9"}));
    EXPECT_EQ(g.NbArcs(), 10);
}

TEST_F(Kruskal, Kruskal2_arcsParallelesRetiresUnAUn)
{
    // The bundle A to B is the only way to A: its heavy arc goes alone.
    Construire(g, true, {"A", "B", "C"}, {{"A", "B", 9}, {"A", "B", 1}, {"B", "C", 2}});
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:1*"}));
    EXPECT_EQ(g.NbArcs(), 2);

    // Non-oriented, a step takes one edge of the bundle: the record picked
    // and the first record back with its weight.
    FauxServices autre;
    TGraphe h{autre};
    Construire(h, false, {"A", "B", "C"}, {{"A", "B", 4}, {"A", "B", 4}, {"A", "B", 2}, {"B", "C", 3}, {"C", "A", 3}});
    ExecuterCommande(h, Commande::Kruskal2Min);
    EXPECT_EQ(ChaineMarquee(h, "A"), (Arcs{"B:2*"}));
    EXPECT_EQ(ChaineMarquee(h, "B"), (Arcs{"C:3*", "A:2*"}));
    EXPECT_EQ(ChaineMarquee(h, "C"), (Arcs{"B:3*"}));
    EXPECT_EQ(h.NbArcs(), 4);
    EXPECT_EQ(CompterEnregistrements(h).second, 4);
}

TEST_F(Kruskal, Kruskal2_poidsAuPlancherJamaisRetires)
{
    Construire(g, false, {"A", "B", "C"}, {{"A", "B", -1000000}, {"B", "C", 3}, {"A", "C", INT_MAX}});
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:-1000000"}));
    EXPECT_EQ(ChaineMarquee(g, "B"), (Arcs{"A:-1000000", "C:3*"}));

    FauxServices autre;
    TGraphe h{autre};
    Construire(h, false, {"A", "B", "C"}, {{"A", "B", 1000000}, {"B", "C", 3}, {"A", "C", 2}});
    ExecuterCommande(h, Commande::Kruskal2Max);
    // A-B is never picked under "max"; A-C goes, A-B and B-C joining all.
    EXPECT_EQ(Chaine(h, "A"), (Arcs{"B:1000000"}));
    EXPECT_EQ(Chaine(h, "C"), (Arcs{"B:3"}));
    EXPECT_EQ(h.NbArcs(), 4);
}

TEST_F(Kruskal, Kruskal2_sansArcLaisseLeGrapheTelQuel)
{
    Construire(g, true, {"A", "B"}, {});
    const std::string avant = Decrire(g);
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(Decrire(g), avant);
}

// ---- Records read from files -----------------------------------------------

// Appends an arc record by hand, as a file may hold it.
void Accrocher(Sommet* origine, const char* cible, int32_t poids, TGraphe& g)
{
    Sommet arrivee;
    CopierNom(arrivee.nom, cible);
    Arc* fin = origine;
    while (fin->arcSuivant != nullptr)
        fin = fin->arcSuivant;
    g.AccrocherArc(*fin, arrivee, poids);
}

TEST_F(Kruskal, ArcVersUnSommetAbsent_niPlantageNiBoucle)
{
    Construire(g, false, {"A", "B"}, {{"A", "B", 2}});
    Accrocher(g.PremierSommet(), "Z", 5, g);
    ExecuterCommande(g, Commande::Kruskal1Max);
    EXPECT_EQ(NomsSommets(Arbre()), (Noms{"A", "Z", "B"}));

    // The dangling arc joins nothing: removing it leaves the graph connected.
    ExecuterCommande(g, Commande::Kruskal2Min);
    EXPECT_EQ(Chaine(g, "A"), (Arcs{"B:2"}));
    EXPECT_EQ(g.NbArcs(), 2);
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(Kruskal, SommetsHomonymes_niPlantageNiBoucle)
{
    Construire(g, true, {"A", "B"}, {{"A", "B", 1}});
    Sommet* homonyme = &g.AccrocherSommet(g.ChercherSommet("B"), "A", 0, 0);
    Accrocher(homonyme, "B", 2, g);
    Accrocher(homonyme, "A", 3, g);
    EXPECT_TRUE(ContientCycle(g));

    ExecuterCommande(g, Commande::Kruskal1Max);
    EXPECT_EQ(NomsSommets(Arbre()), (Noms{"A", "B"}));
    EXPECT_EQ(Chaine(Arbre(), "A"), (Arcs{"B:2"}));

    // Homonyms stand for one vertex, reached by name.
    ExecuterCommande(g, Commande::Kruskal2Min);
    // The loop goes, then the homonym's arc (A and B stay joined); the last
    // arc is the only link left.
    EXPECT_EQ(ChaineMarquee(g, "A"), (Arcs{"B:1*"}));
    EXPECT_EQ(homonyme->arcSuivant, nullptr);
    EXPECT_EQ(g.NbArcs(), 1);
    EXPECT_EQ(CompterEnregistrements(g).second, 1);
}

// ---- The pieces ------------------------------------------------------------

TEST_F(Kruskal, ArcLePlusLourd_premierDesPlusLourdsNonMarques)
{
    Construire(g, true, {"A", "B", "C"}, {{"A", "B", 4}, {"B", "C", 7}, {"C", "A", 7}, {"A", "C", -1000000}});
    char o[kTailleNom] = "x";
    char t[kTailleNom] = "y";
    Arc* a = ArcLePlusLourd(g, o, t);
    EXPECT_STREQ(o, "B");
    EXPECT_STREQ(t, "C");
    EXPECT_EQ(a, g.ChercherArc("B", "C"));
    a->marque = true;
    ArcLePlusLourd(g, o, t);
    EXPECT_STREQ(o, "C");
    g.ChercherArc("C", "A")->marque = true;
    g.ChercherArc("A", "B")->marque = true;
    EXPECT_EQ(ArcLePlusLourd(g, o, t), nullptr);
    EXPECT_STREQ(o, "C") << "buffers untouched when nothing can be picked";
    EXPECT_STREQ(t, "A");
}

TEST_F(Kruskal, ContientCycle_selonLOrdreDeParcours)
{
    EXPECT_FALSE(ContientCycle(g));
    Construire(g, true, {"A", "B", "C"}, {{"A", "B", 0}, {"A", "C", 0}});
    EXPECT_FALSE(ContientCycle(g));
    g.AjouterArc("C", "B", 0);  // B reached twice
    EXPECT_TRUE(ContientCycle(g));

    FauxServices autre;
    TGraphe h{autre};
    Construire(h, true, {"A", "B", "C"}, {{"B", "C", 0}});
    EXPECT_FALSE(ContientCycle(h));
    h.AjouterArc("C", "A", 0);  // A, a start, is reached again from C
    EXPECT_TRUE(ContientCycle(h));

    FauxServices troisieme;
    TGraphe boucle{troisieme};
    Construire(boucle, true, {"A", "B"}, {{"A", "B", 0}});
    Accrocher(boucle.PremierSommet(), "Z", 0, boucle);
    EXPECT_FALSE(ContientCycle(boucle)) << "an arc to no vertex reaches nothing";
    boucle.AjouterArc("B", "B", 0);
    EXPECT_TRUE(ContientCycle(boucle));
}

}  // namespace

#include "FauxServices.h"
#include "OutilsGraphe.h"

#include "model/Poids.h"
#include "algorithms/Rapport.h"
#include "model/EditionGraphe.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Noms = std::vector<std::string>;

struct EditionSouris : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
    EditionGraphe e{g};

    void Glisser(int x1, int y1, int x2, int y2, const char* poids)
    {
        fenetre.reponsesNoms.push_back(poids);
        e.OnMouseDown(true, false, x1, y1);
        e.OnMouseMove((x1 + x2) / 2, (y1 + y2) / 2);
        e.OnMouseUp(x2, y2);
    }
};

TEST_F(EditionSouris, ClicGaucheDansLeVide_demandeUnNomEtCreeLeSommetAuPoint)
{
    fenetre.reponsesNoms.push_back("A");
    e.OnMouseDown(true, false, 40, 60);
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Entrer le nom du sommet"}));
    ASSERT_NE(g.ChercherSommet("A"), nullptr);
    EXPECT_EQ(g.ChercherSommet("A")->x, 40);
    EXPECT_EQ(g.ChercherSommet("A")->y, 60);
    EXPECT_EQ(fenetre.redessins, 1);
    EXPECT_EQ(fenetre.etapes, (Noms{"l'ajout du sommet « A »"}));
}

TEST_F(EditionSouris, NomAnnuleOuVide_neCreeRienNiNeRedessine)
{
    e.OnMouseDown(true, false, 40, 60);  // the fake answers "" like Annuler or Ok on empty
    EXPECT_EQ(g.NbSommets(), 0);
    EXPECT_EQ(fenetre.redessins, 0);
}

TEST_F(EditionSouris, NomEnDouble_refuseParLeMagasinPuisRedessine)
{
    g.AjouterSommet("A", 0, 0);
    fenetre.reponsesNoms.push_back("A");
    e.OnMouseDown(true, false, 100, 100);
    EXPECT_EQ(g.NbSommets(), 1);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Erreur de création de sommet");
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(EditionSouris, Pression_a7PixelsSaisitLeSommet_a8DemandeUnNouveauNom)
{
    g.AjouterSommet("A", 100, 100);
    e.OnMouseDown(true, false, 107, 93);
    EXPECT_TRUE(e.TraceArcEnCours());
    EXPECT_EQ(e.SommetOrigineArc(), g.ChercherSommet("A"));
    EXPECT_TRUE(fenetre.titresSaisies.empty());
    e.OnMouseUp(500, 500);

    e.OnMouseDown(true, false, 108, 100);
    e.OnMouseDown(true, false, 100, 92);
    EXPECT_FALSE(e.TraceArcEnCours());
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Entrer le nom du sommet", "Entrer le nom du sommet"}));
}

TEST_F(EditionSouris, Lacher_a12PixelsAjouteLArc_a13AnnuleSansRienDemander)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 200, 100);
    Glisser(0, 0, 212, 88, "5");
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:5"}));
    EXPECT_EQ(fenetre.titresSaisies, (Noms{"Entrez le poids de l'arc :"}));
    EXPECT_EQ(fenetre.etapes, (Noms{"l'ajout de l'arc A → B"}));

    const int redessinsAvant = fenetre.redessins;
    e.OnMouseDown(true, false, 0, 0);
    e.OnMouseUp(213, 100);
    e.OnMouseDown(true, false, 0, 0);
    e.OnMouseUp(200, 87);
    EXPECT_EQ(g.NbArcs(), 1);
    EXPECT_EQ(fenetre.titresSaisies.size(), 1u);
    EXPECT_EQ(fenetre.redessins, redessinsAvant + 2);
    EXPECT_FALSE(e.TraceArcEnCours());
    EXPECT_EQ(e.SommetOrigineArc(), nullptr);
}

TEST_F(EditionSouris, GlissementSurLOrigine_ajouteUneBoucle_lesDoublesDesArcsParalleles)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 50, 0);
    Glisser(0, 0, 3, 3, "1");
    Glisser(0, 0, 50, 0, "5");
    Glisser(0, 0, 50, 0, "8");
    EXPECT_EQ(Chaine(g, "A"), (Noms{"A:1", "B:5", "B:8"}));
}

TEST_F(EditionSouris, PoidsVide_nAjouteRienMaisTermineLeTrace)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 50, 0);
    Glisser(0, 0, 50, 0, "");
    EXPECT_EQ(g.NbArcs(), 0);
    EXPECT_FALSE(e.TraceArcEnCours());
}

TEST_F(EditionSouris, GrapheNonOriente_unGlissementAjouteLesDeuxSens)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 50, 0);
    Glisser(0, 0, 50, 0, "4");
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:4"}));
    EXPECT_EQ(Chaine(g, "B"), (Noms{"A:4"}));
}

TEST_F(EditionSouris, Elastique_redessinepuisTraceDuCentreDeLOrigineAuPointeur)
{
    g.AjouterSommet("A", 10, 20);
    e.OnMouseDown(true, false, 14, 24);
    e.OnMouseMove(80, 90);
    EXPECT_EQ(fenetre.redessins, 1);
    ASSERT_EQ(fenetre.elastiques.size(), 1u);
    EXPECT_EQ(fenetre.elastiques[0].first.x, 10);
    EXPECT_EQ(fenetre.elastiques[0].first.y, 20);
    EXPECT_EQ(fenetre.elastiques[0].second.x, 80);
    EXPECT_EQ(fenetre.elastiques[0].second.y, 90);
}

TEST_F(EditionSouris, PendantUnTrace_lePointeurSeulOuLeClicDroitNOuvrentRien)
{
    e.OnMouseMove(5, 5);
    e.OnMouseUp(5, 5);
    EXPECT_EQ(fenetre.redessins, 0);
    g.AjouterSommet("A", 0, 0);
    e.OnMouseDown(true, true, 0, 0);
    e.OnMouseDown(false, true, 0, 0);
    EXPECT_TRUE(fenetre.menusSommet.empty());
    EXPECT_TRUE(fenetre.menusGraphe.empty());
}

// Another button pressed mid-drag, in empty space or on the target vertex,
// ends the drag: nothing is asked, no arc, and the band no longer follows.
TEST_F(EditionSouris, AutreBoutonPendantUnTrace_terminantLeTraceSansArcNiSaisie)
{
    g.AjouterSommet("A", 10, 10);
    g.AjouterSommet("B", 100, 100);
    for (const Point pression : {Point{60, 20}, Point{100, 100}}) {
        e.OnMouseDown(true, false, 10, 10);
        e.OnMouseMove(50, 50);
        const int redessins = fenetre.redessins;
        e.OnMouseDown(true, true, pression.x, pression.y);
        EXPECT_FALSE(e.TraceArcEnCours());
        EXPECT_EQ(e.SommetOrigineArc(), nullptr);
        EXPECT_EQ(fenetre.redessins, redessins + 1);
        e.OnMouseMove(90, 90);
        e.OnMouseUp(100, 100);
        e.OnMouseUp(100, 100);
    }
    EXPECT_EQ(fenetre.elastiques.size(), 2u);
    EXPECT_TRUE(fenetre.titresSaisies.empty());
    EXPECT_TRUE(fenetre.menusSommet.empty() && fenetre.menusGraphe.empty());
    EXPECT_EQ(g.ChercherArc("A", "B"), nullptr);
}

TEST_F(EditionSouris, SommetsSuperposes_lePlusAncienGagneEtChacunASonMenu)
{
    g.AjouterSommet("A", 100, 100);
    g.AjouterSommet("B", 110, 100);
    e.OnMouseDown(true, false, 105, 100);
    EXPECT_EQ(e.SommetOrigineArc(), g.ChercherSommet("A"));
    e.OnMouseUp(500, 500);

    // The first menu deletes A; the second still opens, on B.
    fenetre.choixSommet = {ChoixMenuSommet::Supprimer, ChoixMenuSommet::Information};
    fenetre.reponsesQuestions.push_back(true);
    e.OnMouseDown(false, true, 105, 100);
    EXPECT_EQ(NomsSommets(g), (Noms{"B"}));
    ASSERT_EQ(fenetre.menusSommet.size(), 2u);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte.rfind("Le sommet B ", 0), 0u);
}

TEST(EditionSourisCadre, Menus_auxPointsDeLEcranDuCadreEtDeLaFenetre)
{
    FauxServices fenetre;
    const int gauche = 300;
    const int haut = 200;
    TGraphe g(fenetre);
    EditionGraphe e(g, gauche, haut);
    fenetre.position = {20, 30};
    g.AjouterSommet("A", 100, 60);
    e.OnMouseDown(false, true, 104, 55);
    e.OnMouseDown(false, true, 10, 5);
    ASSERT_EQ(fenetre.menusSommet.size(), 1u);
    EXPECT_EQ(fenetre.menusSommet[0].x, 300 + 20 + 100 + 15);
    EXPECT_EQ(fenetre.menusSommet[0].y, 200 + 30 + 60 + 20);
    ASSERT_EQ(fenetre.menusGraphe.size(), 1u);
    EXPECT_EQ(fenetre.menusGraphe[0].x, 300 + 20 + 10 + 15);
    EXPECT_EQ(fenetre.menusGraphe[0].y, 200 + 30 + 5 + 75);
}

TEST_F(EditionSouris, MenuSommetLointain_pointTenuDansLaPlageDesEntiers)
{
    g.AjouterSommet("A", INT32_MAX, INT32_MIN);
    e.OnMouseDown(false, true, INT32_MAX, INT32_MIN);
    ASSERT_EQ(fenetre.menusSommet.size(), 1u);
    EXPECT_EQ(fenetre.menusSommet[0].x, INT32_MAX);
    EXPECT_EQ(fenetre.menusSommet[0].y, INT32_MIN + 20);
}

TEST_F(EditionSouris, Redimensionner_graphVide50Sur50PuisRedessine)
{
    fenetre.choixGraphe.push_back(ChoixMenuGraphe::Redimensionner);
    e.OnMouseDown(false, true, 10, 10);
    ASSERT_EQ(fenetre.tailles.size(), 1u);
    EXPECT_EQ(fenetre.tailles[0], (std::pair<int, int>{50, 50}));
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(EditionSouris, InformationDuGraphe_montreLeRapportSansRedessiner)
{
    g.AjouterSommet("A", 40, 40);
    fenetre.choixGraphe.push_back(ChoixMenuGraphe::Information);
    e.OnMouseDown(false, true, 200, 200);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Information");
    EXPECT_EQ(fenetre.messages[0].texte, Rapport(g));
    EXPECT_EQ(fenetre.redessins, 0);
}

struct Deplacement : EditionSouris {
    void SetUp() override
    {
        g.AjouterSommet("A", 0, 0);
        g.AjouterSommet("B", 100, 0);
        g.AjouterArc("B", "A", 3);
        fenetre.choixSommet.push_back(ChoixMenuSommet::Deplacer);
        e.OnMouseDown(false, true, 0, 0);
    }
};

TEST_F(Deplacement, LeSommetEtLesArcsQuiYArriventSuiventLePointeur)
{
    e.OnMouseMove(40, 70);
    EXPECT_EQ(g.ChercherSommet("A")->x, 40);
    EXPECT_EQ(g.ChercherSommet("A")->y, 70);
    EXPECT_EQ(g.ChercherArc("B", "A")->x, 40);
    EXPECT_EQ(g.ChercherArc("B", "A")->y, 70);
    EXPECT_EQ(g.ChercherSommet("B")->x, 100);
    e.OnMouseMove(45, 72);
    ASSERT_EQ(fenetre.pasDeplacement.size(), 2u) << "each step repaints only what changed";
    EXPECT_EQ(fenetre.pasDeplacement[1].first, "A");
    EXPECT_EQ(fenetre.pasDeplacement[1].second.x, 40);
    EXPECT_EQ(fenetre.pasDeplacement[1].second.y, 70);
    EXPECT_EQ(fenetre.redessins, 0);
}

// Only a file can hold an arc copy at another place than its target: what
// moves then was not all where the vertex was, and the whole window is repainted.
TEST_F(Deplacement, UneCopieDArcAilleurs_toutLaFenetreRedessinee)
{
    g.ChercherArc("B", "A")->x = 999;
    e.OnMouseMove(40, 70);
    EXPECT_EQ(g.ChercherArc("B", "A")->x, 40);
    EXPECT_TRUE(fenetre.pasDeplacement.empty());
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(Deplacement, LaPressionGaucheSuivanteLePoseSansRienCreer)
{
    e.OnMouseMove(40, 70);
    e.OnMouseMove(50, 80);
    EXPECT_TRUE(fenetre.etapes.empty()) << "the pointer's way is no step of its own";
    e.OnMouseDown(true, false, 300, 300);
    EXPECT_EQ(fenetre.etapes, (Noms{"le déplacement du sommet « A »"}));
    EXPECT_FALSE(e.DeplacementEnCours());
    EXPECT_TRUE(fenetre.titresSaisies.empty());
    e.OnMouseMove(1, 1);
    EXPECT_EQ(g.ChercherSommet("A")->x, 50);
}

TEST_F(Deplacement, UnMenuOuvertSurUnAutreSommetNeChangePasLeSommetDeplace)
{
    e.OnMouseDown(false, true, 100, 0);  // B's menu, closed without a choice
    e.OnMouseMove(40, 70);
    EXPECT_EQ(g.ChercherSommet("A")->x, 40);
    EXPECT_EQ(g.ChercherSommet("B")->x, 100);
}

TEST_F(Deplacement, SupprimerLeSommetDeplaceTermineLeDeplacement)
{
    fenetre.choixSommet.push_back(ChoixMenuSommet::Supprimer);
    fenetre.reponsesQuestions.push_back(true);
    e.OnMouseDown(false, true, 0, 0);
    EXPECT_FALSE(e.DeplacementEnCours());
    e.OnMouseMove(40, 70);
    EXPECT_EQ(NomsSommets(g), (Noms{"B"}));
    EXPECT_EQ(g.ChercherSommet("B")->x, 100);
    EXPECT_EQ(g.NbArcs(), 0);
}

struct MenuSommet : EditionSouris {
    void SetUp() override
    {
        g.AjouterSommet("A", 0, 0);
        g.AjouterSommet("B", 100, 0);
    }
    void Choisir(ChoixMenuSommet choix)
    {
        fenetre.choixSommet.push_back(choix);
        e.OnMouseDown(false, true, 0, 0);
    }
};

TEST_F(MenuSommet, Supprimer_demandeConfirmation_nonGardeOuiEfface)
{
    Choisir(ChoixMenuSommet::Supprimer);
    ASSERT_EQ(fenetre.questions.size(), 1u);
    EXPECT_EQ(fenetre.questions[0].texte, "Etes-vous sûr de vouloir effacer ce sommet?");
    EXPECT_EQ(fenetre.questions[0].titre, "Suppression de sommet");
    EXPECT_EQ(g.NbSommets(), 2);
    EXPECT_EQ(fenetre.redessins, 0);

    fenetre.reponsesQuestions.push_back(true);
    Choisir(ChoixMenuSommet::Supprimer);
    EXPECT_EQ(NomsSommets(g), (Noms{"B"}));
    EXPECT_EQ(e.SommetCible(), nullptr);
    EXPECT_EQ(fenetre.redessins, 1);
    EXPECT_EQ(fenetre.etapes, (Noms{"la suppression du sommet « A »"}));
}

TEST_F(MenuSommet, SupprimerUnArc_proposeLeDepartEtEffaceLesDeuxSensSiNonOriente)
{
    g.FixerOriente(false);
    g.AjouterArc("A", "B", 1);
    fenetre.reponsesExtremites.push_back({"A", "B"});
    Choisir(ChoixMenuSommet::SupprimerArc);
    EXPECT_EQ(fenetre.departsProposes, (Noms{"A"}));
    EXPECT_EQ(g.NbArcs(), 0);
    EXPECT_EQ(fenetre.redessins, 1);
    EXPECT_EQ(fenetre.etapes, (Noms{"la suppression de l'arc A → B"}));
}

TEST_F(MenuSommet, SupprimerUnArc_reponseIncompleteNeFaitRien_nomInconnuSignale)
{
    g.AjouterArc("A", "B", 1);
    fenetre.reponsesExtremites.push_back({"A", ""});
    Choisir(ChoixMenuSommet::SupprimerArc);
    EXPECT_EQ(g.NbArcs(), 1);
    EXPECT_EQ(fenetre.redessins, 0);

    fenetre.reponsesExtremites.push_back({"A", "Z"});
    Choisir(ChoixMenuSommet::SupprimerArc);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Effacement impossible");
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(MenuSommet, DemiDegres_singulierPour0Et1_plurielDes2)
{
    const std::string debut = "Le sommet A possède ";
    Choisir(ChoixMenuSommet::DemiDegreExterieur);
    g.AjouterArc("A", "B", 1);
    Choisir(ChoixMenuSommet::DemiDegreExterieur);
    g.AjouterArc("A", "A", 1);
    Choisir(ChoixMenuSommet::DemiDegreExterieur);
    Choisir(ChoixMenuSommet::DemiDegreInterieur);
    ASSERT_EQ(fenetre.messages.size(), 4u);
    EXPECT_EQ(fenetre.messages[0].texte, debut + "0 arc ayant comme extrémité initiale ce propre sommet.");
    EXPECT_EQ(fenetre.messages[1].texte, debut + "1 arc ayant comme extrémité initiale ce propre sommet.");
    EXPECT_EQ(fenetre.messages[2].texte, debut + "2 arcs ayant comme extrémité initiale ce propre sommet.");
    EXPECT_EQ(fenetre.messages[2].titre, "Demi-degre extérieur");
    EXPECT_EQ(fenetre.messages[3].texte, debut + "1 arc ayant comme extrémité terminale ce propre sommet.");
    EXPECT_EQ(fenetre.messages[3].titre, "Demi-degre intérieur");

    g.AjouterArc("B", "A", 1);
    Choisir(ChoixMenuSommet::DemiDegreInterieur);
    EXPECT_EQ(fenetre.messages[4].texte, debut + "2 arcs ayant comme extrémité terminale ce propre sommet.");
}

TEST_F(MenuSommet, Information_donneLesDeuxDemiDegresEtLeDegre)
{
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("A", "A", 1);
    Choisir(ChoixMenuSommet::Information);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte,
              "Le sommet A possède :\n\n - un demi-degré extérieur égal à 2.\n"
              " - un demi-degré intérieur égal à 1.\n - un degré égal à 3.\n");
    EXPECT_EQ(fenetre.messages[0].titre, "Information sur un sommet");
}

TEST_F(MenuSommet, NomWindows1252_estMontreEnUtf8ControlesEchappes)
{
    g.AjouterSommet("\xE9t\xE9", 200, 0);  // "été"
    fenetre.choixSommet.push_back(ChoixMenuSommet::DemiDegreExterieur);
    e.OnMouseDown(false, true, 200, 0);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte.rfind("Le sommet été possède 0 arc", 0), 0u);
    g.AjouterSommet("\x1b[2J", 400, 0);
    fenetre.choixSommet.push_back(ChoixMenuSommet::DemiDegreExterieur);
    e.OnMouseDown(false, true, 400, 0);
    ASSERT_EQ(fenetre.messages.size(), 2u);
    EXPECT_EQ(fenetre.messages[1].texte.rfind("Le sommet \\x1b[2J possède", 0), 0u);
}

TEST(LirePoids, ChiffresDeTeteApresBlancsEtSigne)
{
    EXPECT_EQ(LirePoids("12").valeur, 12);
    EXPECT_EQ(LirePoids(" -4").valeur, -4);
    EXPECT_EQ(LirePoids("\t+9").valeur, 9);
    EXPECT_EQ(LirePoids("3,5").valeur, 3);
    EXPECT_EQ(LirePoids("x").valeur, 0);
    EXPECT_EQ(LirePoids("7kg").valeur, 7);
    EXPECT_EQ(LirePoids("-").valeur, 0);
    EXPECT_EQ(LirePoids("- 4").valeur, 0);
    EXPECT_FALSE(LirePoids("12").borne);
}

TEST(LirePoids, HorsDesEntiers32Bits_tenuALaBorne)
{
    EXPECT_EQ(LirePoids("2147483647").valeur, INT32_MAX);
    EXPECT_FALSE(LirePoids("2147483647").borne);
    EXPECT_EQ(LirePoids("-2147483647").valeur, -INT32_MAX);
    EXPECT_FALSE(LirePoids("-2147483647").borne);
    EXPECT_EQ(LirePoids("-2147483648").valeur, -INT32_MAX);
    EXPECT_TRUE(LirePoids("-2147483648").borne);
    EXPECT_EQ(LirePoids("2147483648").valeur, INT32_MAX);
    EXPECT_TRUE(LirePoids("2147483648").borne);
    EXPECT_EQ(LirePoids("-9999999999999999999").valeur, -INT32_MAX);
    EXPECT_TRUE(LirePoids("-9999999999999999999").borne);
}

TEST_F(EditionSouris, PoidsHorsLimites_arcAuPoidsBorneEtMessage)
{
    g.AjouterSommet("A", 0, 0);
    Glisser(0, 0, 0, 0, "9999999999");
    Glisser(0, 0, 0, 0, "-2147483648");  // its opposite would not fit
    EXPECT_EQ(Chaine(g, "A"), (Noms{"A:2147483647", "A:-2147483647"}));
    ASSERT_EQ(fenetre.messages.size(), 2u);
    EXPECT_EQ(fenetre.messages[0].texte,
              "Le poids saisi dépasse les limites admises : l'arc reçoit le poids 2147483647.");
    EXPECT_EQ(fenetre.messages[1].texte,
              "Le poids saisi dépasse les limites admises : l'arc reçoit le poids -2147483647.");
}

}  // namespace

#include "cli/OutilCli.h"

#include <algorithm>
#include <filesystem>

namespace {
// "Amélie" and "Zoé" in Windows-1252, as the desktop stores them.
constexpr char kAmelie[] = "Am\xe9lie";
constexpr char kZoe[] = "Zo\xe9";
}  // namespace

TEST_F(TestCli, Afficher_ecritEnteteSommetsNumerotesEtArcsEnUtf8)
{
    const std::string fichier = Ecrire("g.gff", true, [](TGraphe& g) {
        g.AjouterSommet(kAmelie, 100, 50);
        g.AjouterSommet("B", 200, 80);
        g.AjouterSommet(kZoe, -5, 120);
        g.AjouterArc(kAmelie, "B", 7);
        g.AjouterArc(kAmelie, kZoe, -3);
        g.AjouterArc("B", "B", 0);
        g.ChercherSommet("B")->valeur = 2;
    });
    const Execution e = Lancer({"afficher", "g.gff"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.erreurs, "");
    EXPECT_EQ(e.sortie, "Orientation : orienté\n"
                        "Sommets : 3\n"
                        "Arcs : 3\n"
                        "Chemin enregistré : " + fichier + "\n"
                        "Amélie (100, 50)\n"
                        "  -> B : 7\n"
                        "  -> Zoé : -3\n"
                        "B[2] (200, 80)\n"
                        "  -> B : 0\n"
                        "Zoé (-5, 120)\n");
}

TEST_F(TestCli, Afficher_grapheNonOriente_montreLesDeuxSensDeChaqueArete)
{
    Ecrire("na.gff", false, [](TGraphe& g) {
        g.AjouterSommet("A", 1, 2);
        g.AjouterSommet("B", 3, 4);
        g.AjouterArc("A", "B", 5);
    });
    const Execution e = Lancer({"afficher", "na.gff"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "Orientation : non orienté\n"
                        "Sommets : 2\n"
                        "Arcs : 2 (deux par arête)\n"
                        "Chemin enregistré : " + Chemin("na.gff") + "\n"
                        "A (1, 2)\n"
                        "  -> B : 5\n"
                        "B (3, 4)\n"
                        "  -> A : 5\n");
}

TEST_F(TestCli, Afficher_plusieursFichiers_chacunSousUneLigneQuiLeNomme)
{
    Ecrire("un.gff", true, [](TGraphe& g) { g.AjouterSommet("X", 0, 0); });
    Ecrire("deux.gff", true, [](TGraphe&) {});
    const Execution e = Lancer({"afficher", "un.gff", "deux.gff"});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, "==> un.gff <==\n"
                        "Orientation : orienté\nSommets : 1\nArcs : 0\n"
                        "Chemin enregistré : " + Chemin("un.gff") + "\n"
                        "X (0, 0)\n"
                        "\n==> deux.gff <==\n"
                        "Orientation : orienté\nSommets : 0\nArcs : 0\n"
                        "Chemin enregistré : " + Chemin("deux.gff") + "\n");
}

TEST_F(TestCli, Afficher_unNomDeFichierCommencantParUnTiret_seLitApresDoubleTiret)
{
    Ecrire("-g.gff", true, [](TGraphe& g) { g.AjouterSommet("T", 9, 9); });
    const Execution e = Lancer({"afficher", "--", "-g.gff"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find("T (9, 9)\n"), std::string::npos);
    const Execution entree = Lancer({"afficher", "-"}, Chemin("-g.gff"));
    EXPECT_EQ(entree.statut, 0) << entree.erreurs;
    EXPECT_EQ(entree.sortie, e.sortie) << "- is standard input";
}

// A crafted file and crafted arguments must not reach the terminal as
// escape sequences: every name and path shows its controls escaped.
TEST_F(TestCli, NomsEtChemins_caracteresDeControleEchappesPartout)
{
    Ecrire("t\x1b]0;x\x07.gff", true, [](TGraphe& g) {
        g.AjouterSommet("A\x1b[2J", 1, 1);
        g.AjouterSommet("B\x7f", 2, 2);
        g.AjouterArc("A\x1b[2J", "B\x7f", 1);
    });
    const auto sansControle = [](const std::string& texte) {
        return std::none_of(texte.begin(), texte.end(),
                            [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7f; });
    };
    const Execution e = Lancer({"afficher", "t\x1b]0;x\x07.gff", "\x1b[31m.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_TRUE(sansControle(e.sortie) && sansControle(e.erreurs)) << e.sortie << e.erreurs;
    EXPECT_NE(e.sortie.find("==> t\\x1b]0;x\\x07.gff <==\n"), std::string::npos);
    EXPECT_NE(e.sortie.find("t\\x1b]0;x\\x07.gff\nA\\x1b[2J (1, 1)\n  -> B\\x7f : 1\n"), std::string::npos);
    EXPECT_EQ(e.erreurs.rfind("\\x1b[31m.gff : Fichier introuvable", 0), 0u);
    const Execution c = Lancer({"dijkstra", "t\x1b]0;x\x07.gff", "A\x1b[2J", "\x1b"});
    EXPECT_TRUE(sansControle(c.erreurs)) << c.erreurs;
    EXPECT_NE(c.erreurs.find("« \\x1b »"), std::string::npos);
}

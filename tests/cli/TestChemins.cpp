#include "cli/OutilCli.h"

#include "core/OutilsGraphe.h"

#include <filesystem>

namespace {
// A to B (1), B to C (1), A to C (5): the lightest path from A to C goes
// through B, the heaviest is the direct arc.
void Raccourci(TGraphe& g)
{
    g.AjouterSommet("A", 10, 20);
    g.AjouterSommet("B", 30, 40);
    g.AjouterSommet("C", 50, 60);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("B", "C", 1);
    g.AjouterArc("A", "C", 5);
}

constexpr char kParB[] =
    "Orientation : orienté\nSommets : 3\nArcs : 2\nChemin enregistré : (aucun)\n"
    "C (50, 60)\nB (30, 40)\n  -> C : 1\nA (10, 20)\n  -> B : 1\n";
constexpr char kDirect[] =
    "Orientation : orienté\nSommets : 2\nArcs : 1\nChemin enregistré : (aucun)\n"
    "C (50, 60)\nA (10, 20)\n  -> C : 5\n";
}  // namespace

TEST_F(TestCli, Chemins_chaqueCommandeEtVarianteAfficheLaFenetreDuCheminQuElleOuvre)
{
    Ecrire("g.gff", true, Raccourci);
    const std::vector<std::pair<std::vector<std::string>, const char*>> cas = {
        {{"dijkstra", "g.gff", "A", "C"}, kParB},           {{"bellman", "g.gff", "A", "C"}, kParB},
        {{"bellman", "--max", "g.gff", "A", "C"}, kDirect}, {{"ford", "g.gff", "A", "C"}, kParB},
        {{"ford", "g.gff", "A", "C", "--max"}, kDirect},
    };
    for (const auto& [arguments, attendu] : cas) {
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.statut, 0) << arguments[0] << e.erreurs;
        EXPECT_EQ(e.sortie, attendu) << arguments[0] << (arguments[1] == "--max" ? " --max" : "");
    }
}

TEST_F(TestCli, Chemins_oEnregistreLaFenetreDuCheminSousSonCheminAbsolu)
{
    Ecrire("g.gff", true, Raccourci);
    const Execution e = Lancer({"dijkstra", "-o", "chemin.gff", "g.gff", "A", "C"});
    ASSERT_EQ(e.statut, 0) << e.erreurs;
    const auto lu = Relire(Chemin("chemin.gff"));
    EXPECT_EQ(NomsSommets(lu->graphe), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Chaine(lu->graphe, "A"), std::vector<std::string>{"B:1"});
    EXPECT_EQ(lu->graphe.NomFichier(), Chemin("chemin.gff"));
}

TEST_F(TestCli, Chemins_sansFenetreDeChemin_messageDuProgrammeStatut1EtRienDEnregistre)
{
    Ecrire("negatif.gff", true, [](TGraphe& g) {
        Raccourci(g);
        g.AjouterArc("C", "B", -3);  // with B to C (1): an absorbing circuit
    });
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"dijkstra", "negatif.gff", "A", "C"},
         "Graphe incorrect : Ce graphe possède des arcs de poids négatifs\n"
         " or l'algorithme de Dijkstra ne fonctionne qu'avec des arcs de poids positifs ou nuls.\n"},
        {{"bellman", "negatif.gff", "A", "C"},
         "Algorithme Bellman : L'algorithme de Bellman ne peut être déroulé car ce graphe possède un ou "
         "plusieurs circuits\n ou alors vous avez indiqué des sommets qui n'existent pas.\n"},
        {{"ford", "negatif.gff", "A", "C"},
         "Détection d'un circuit absorbant : Il y a un circuit absorbant dans ce graphe\n"},
    };
    for (auto [arguments, message] : cas) {
        arguments.insert(arguments.end(), {"-o", "chemin.gff"});
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.statut, 1) << arguments[0];
        EXPECT_EQ(e.sortie, message);
        EXPECT_FALSE(std::filesystem::exists(Chemin("chemin.gff"))) << arguments[0];
    }
}

// The desktop ends silently on a name no vertex bears; the tool says why.
TEST_F(TestCli, Chemins_nomInconnu_raisonSurErreurStandardEtStatut1)
{
    Ecrire("g.gff", true, Raccourci);
    for (const char* commande : {"dijkstra", "ford"}) {
        const Execution e = Lancer({commande, "g.gff", "A", "Zoé"});
        EXPECT_EQ(e.statut, 1) << commande;
        EXPECT_EQ(e.sortie, "") << commande;
        EXPECT_EQ(e.erreurs, "quorvalent-cli : aucun chemin, aucun sommet ne porte le nom « Zoé ».\n");
    }
}

TEST_F(TestCli, Chemins_nomsEnUtf8_designentLesSommetsWindows1252)
{
    Ecrire("g.gff", true, [](TGraphe& g) {
        g.AjouterSommet("Gen\xe8ve", 1, 1);
        g.AjouterSommet("\x80uro", 2, 2);  // the euro sign, from the 0x80 row of the code page
        g.AjouterArc("Gen\xe8ve", "\x80uro", 3);
    });
    const Execution e = Lancer({"dijkstra", "g.gff", "Genève", "€uro"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find("€uro (2, 2)\nGenève (1, 1)\n  -> €uro : 3\n"), std::string::npos) << e.sortie;
}

TEST_F(TestCli, Chemins_nomImpossibleOuMaxPourDijkstra_erreurDUsage)
{
    Ecrire("g.gff", true, Raccourci);
    for (const std::string& nom : {std::string("Łódź"), std::string(20, 'x'), std::string("\xff")}) {
        const Execution e = Lancer({"ford", "g.gff", "A", nom});
        EXPECT_EQ(e.statut, 2) << nom;
        EXPECT_EQ(e.erreurs.rfind("quorvalent-cli : nom de sommet impossible", 0), 0u) << e.erreurs;
    }
    EXPECT_EQ(Lancer({"ford", "g.gff", "A", std::string(19, 'x')}).statut, 1) << "19 characters fit";
    const Execution m = Lancer({"dijkstra", "--max", "g.gff", "A", "B"});
    EXPECT_EQ(m.statut, 2);
    EXPECT_EQ(m.erreurs.rfind("quorvalent-cli : option sans objet pour cette commande : --max\n", 0), 0u);
}

// The direct arc holds the int32 minimum, whose opposite does not fit: read
// as -2147483647, the heaviest path still avoids it.
TEST_F(TestCli, Chemins_poidsMinimumStocke_lesVariantesMaxEvitentLArc)
{
    Ecrire("min.gff", true, [](TGraphe& g) {
        g.AjouterSommet("A", 10, 20);
        g.AjouterSommet("B", 30, 40);
        g.AjouterSommet("C", 50, 60);
        g.AjouterArc("A", "B", 1);
        g.AjouterArc("B", "C", 1);
        g.AjouterArc("A", "C", INT32_MIN);
    });
    for (const char* commande : {"bellman", "ford"}) {
        const Execution e = Lancer({commande, "--max", "min.gff", "A", "C"});
        EXPECT_EQ(e.statut, 0) << commande << e.erreurs;
        EXPECT_EQ(e.sortie, kParB) << commande;
    }
    EXPECT_NE(Lancer({"afficher", "min.gff"}).sortie.find("  -> C : -2147483647\n"), std::string::npos);
}

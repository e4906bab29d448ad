#include "cli/OutilCli.h"

#include "core/OutilsGraphe.h"

namespace {
// The non-oriented triangle A–B (3), B–C (2), A–C (1).
void Triangle(TGraphe& g)
{
    g.AjouterSommet("A", 10, 20);
    g.AjouterSommet("B", 30, 40);
    g.AjouterSommet("C", 50, 60);
    g.AjouterArc("A", "B", 3);
    g.AjouterArc("B", "C", 2);
    g.AjouterArc("A", "C", 1);
}
}  // namespace

TEST_F(TestCli, Kruskal1_afficheLArbreDeSaFenetreMinOuMax)
{
    Ecrire("t.gff", false, Triangle);
    const Execution min = Lancer({"kruskal1", "t.gff"});
    EXPECT_EQ(min.statut, 0) << min.erreurs;
    EXPECT_EQ(min.sortie,
              "Orientation : orienté\nSommets : 3\nArcs : 2\nChemin enregistré : (aucun)\n"
              "A (10, 20)\n  -> C : 1\n"
              "C (50, 60)\n  -> B : 2\n"
              "B (30, 40)\n");
    const Execution max = Lancer({"kruskal1", "--max", "t.gff", "-o", "arbre.gff"});
    EXPECT_EQ(max.statut, 0) << max.erreurs;
    const auto lu = Relire(Chemin("arbre.gff"));
    EXPECT_EQ(NomsSommets(lu->graphe), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Chaine(lu->graphe, "A"), std::vector<std::string>{"B:3"});
    EXPECT_EQ(Chaine(lu->graphe, "B"), std::vector<std::string>{"C:2"});
}

TEST_F(TestCli, Kruskal2_afficheEtEnregistreLeGrapheQuIlAModifie)
{
    const std::string source = Ecrire("o.gff", true, [](TGraphe& g) {
        g.AjouterSommet("A", 10, 20);
        g.AjouterSommet("B", 30, 40);
        g.AjouterSommet("C", 50, 60);
        g.AjouterArc("A", "B", 3);
        g.AjouterArc("B", "C", 2);
        g.AjouterArc("A", "C", 1);
    });
    const Execution e = Lancer({"kruskal2", "o.gff", "-o", "reste.gff"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.sortie, "Orientation : orienté\nSommets : 3\nArcs : 2\nChemin enregistré : " + source + "\n"
                        "A (10, 20)\n  -> C : 1\n"
                        "B (30, 40)\n  -> C : 2\n"
                        "C (50, 60)\n");
    const auto lu = Relire(Chemin("reste.gff"));
    EXPECT_EQ(Chaine(lu->graphe, "A"), std::vector<std::string>{"C:1"});
    EXPECT_EQ(lu->graphe.NomFichier(), Chemin("reste.gff"));
    EXPECT_EQ(Chaine(Relire(source)->graphe, "A"), (std::vector<std::string>{"B:3", "C:1"}))
        << "the source file is left as it was";

    Ecrire("t.gff", false, Triangle);
    const Execution max = Lancer({"kruskal2", "--max", "t.gff"});
    EXPECT_EQ(max.statut, 0) << max.erreurs;
    EXPECT_NE(max.sortie.find("Arcs : 4 (deux par arête)\n"), std::string::npos) << max.sortie;
    EXPECT_EQ(max.sortie.find(" : 1\n"), std::string::npos) << "the lightest edge goes:\n" << max.sortie;
}

#include "cli/OutilCli.h"

#include <filesystem>

namespace {
// A to B and A to C.
void Fourche(TGraphe& g)
{
    g.AjouterSommet("A", 1, 1);
    g.AjouterSommet("B", 2, 2);
    g.AjouterSommet("C", 3, 3);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("A", "C", 1);
}
}  // namespace

TEST_F(TestCli, Rapport_texteDeLInformationParFichierAvecLaDateDeSauvegarde)
{
    const std::string a = Ecrire("a.gff", true, Fourche);
    Ecrire("b.gff", false, [](TGraphe&) {});
    const Execution e = Lancer({"rapport", "a.gff", "b.gff"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    const std::string debutA = "==> a.gff <==\n"
                               "Le graphe " + a + " possède 3 sommets et 2  arcs.\n"
                               "\n"
                               " - Il ne possède pas de circuit.\n"
                               " - Il est connexe.\n"
                               " - Il comporte 3 composantes fortement connexes.\n"
                               " - Il constitue un arbre.\n"
                               " - Il constitue un arborescence.\n"
                               " - Il n'est pas eulérien.\n"
                               " - Il occupe 892 octets en mémoire vive.\n"
                               " - La dernière sauvegarde date de ";
    EXPECT_EQ(e.sortie.rfind(debutA, 0), 0u) << e.sortie;
    const size_t b =
        e.sortie.find(".\n\n==> b.gff <==\nLe graphe " + Chemin("b.gff") + " possède 0 sommets et 0  arcs.\n");
    EXPECT_NE(b, std::string::npos) << e.sortie;

    // A copy names itself, not the file its bytes record.
    std::filesystem::copy_file(a, Chemin("copie.gff"));
    const Execution copie = Lancer({"rapport", "copie.gff"});
    EXPECT_EQ(copie.sortie.rfind("Le graphe " + Chemin("copie.gff") + " possède 3 sommets", 0), 0u) << copie.sortie;
}

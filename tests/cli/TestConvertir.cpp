#include "cli/OutilCli.h"
#include "core/Invariants.h"

namespace {
// Everything the formats must carry: no orientation, a loop, parallel
// edges, a number, a name to quote and one outside ASCII.
void Complet(TGraphe& g)
{
    g.AjouterSommet("Gen\xE8ve", 300, 40);
    g.AjouterSommet("x;\"y\"", 20, 200);
    g.AjouterSommet("isol\xE9", 5, 5);
    g.AjouterArc("x;\"y\"", "Gen\xE8ve", 4);
    g.AjouterArc("Gen\xE8ve", "Gen\xE8ve", -2);
    g.AjouterArc("Gen\xE8ve", "x;\"y\"", 9);
    g.ChercherSommet("isol\xE9")->valeur = 3;
}
}  // namespace

TEST_F(TestCli, Convertir_chaineDeFormatsRendLeMemeGraphe)
{
    const std::string depart = Ecrire("g.gff", false, Complet);
    const std::vector<std::string> etapes = {"g.gff", "g.GRAPHML", "g.json", "g.csv", "fin.gff"};
    for (size_t i = 0; i + 1 < etapes.size(); ++i) {
        const Execution e = Lancer({"convertir", "--non-oriente", etapes[i], etapes[i + 1]});
        EXPECT_EQ(e.statut, 0) << etapes[i + 1] << e.erreurs;
        EXPECT_EQ(e.erreurs, "");
    }
    EXPECT_EQ(PhotoGraphe(Relire(Chemin("fin.gff"))->graphe), PhotoGraphe(Relire(depart)->graphe));
    // Every command reads every format; TikZ and standard output by --format.
    const auto sansChemin = [](std::string texte) {
        const size_t debut = texte.find("Chemin enregistré");
        return texte.erase(debut, texte.find('\n', debut) - debut);
    };
    EXPECT_EQ(sansChemin(Lancer({"afficher", "g.json"}).sortie), sansChemin(Lancer({"afficher", "fin.gff"}).sortie));
    const Execution tikz = Lancer({"convertir", "--format", "tikz", "g.GRAPHML", "-"});
    EXPECT_NE(tikz.sortie.find("\\begin{tikzpicture}"), std::string::npos) << tikz.erreurs;
}

TEST_F(TestCli, Convertir_adaptationsSurLaSortieDErreurEtRefusNommes)
{
    std::ofstream(Chemin("a.csv")) << "origine;cible;poids\nune \xC3\xA9tiquette beaucoup trop longue;B;1.5\n";
    const Execution adapte = Lancer({"convertir", "a.csv", "a.gff"});
    EXPECT_EQ(adapte.statut, 0);
    EXPECT_EQ(adapte.erreurs,
              "a.csv : Le nom « une étiquette beaucoup trop longue » devient « une étiquette beauc ».\n"
              "a.csv : Le poids 1.5 de l'arc « une étiquette beauc » → « B » devient 2.\n");
    std::ofstream(Chemin("f.graphml")) << "<graphml><graph>\n<node id='a'/><edge source='a' target='z'/>";
    const struct {
        std::vector<std::string> ligne;
        int statut;
        const char* erreur;
    } cas[] = {
        {{"convertir", "f.graphml", "f.gff"}, 3, "Le fichier « f.graphml » n'a pu être lu : XML mal formé, ligne 2"},
        {{"rapport", "absent.json"}, 3, "Le fichier « absent.json » n'a pu être lu : "},
        {{"convertir", "a.csv", "a.png"}, 2, "format de graphe inconnu"},
        {{"convertir", "a.csv", "-"}, 2, "--format manquant pour la sortie standard"},
        {{"convertir", "--format", "json", "a.csv", "a.csv"}, 2, "extension contraire au format choisi : a.csv"},
        {{"convertir", "a.csv", "image.tex", "de-trop"}, 2, "trop d'arguments"},
    };
    for (const auto& c : cas) {
        const Execution e = Lancer(c.ligne);
        EXPECT_EQ(e.statut, c.statut) << c.ligne[1];
        EXPECT_NE(e.erreurs.find(c.erreur), std::string::npos) << e.erreurs;
    }
}

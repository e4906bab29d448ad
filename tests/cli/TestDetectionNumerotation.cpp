#include "cli/OutilCli.h"

#include <fstream>

namespace {
// A to B, B to C: connected, a tree, an arborescence, no circuit, neither
// strongly connected nor Eulerian.
void Chaine(TGraphe& g)
{
    g.AjouterSommet("A", 1, 1);
    g.AjouterSommet("B", 2, 2);
    g.AjouterSommet("C", 3, 3);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("B", "C", 1);
}

// A to B, B to A and C alone: a circuit, nothing else.
void Circuit(TGraphe& g)
{
    g.AjouterSommet("A", 1, 1);
    g.AjouterSommet("B", 2, 2);
    g.AjouterSommet("C", 3, 3);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("B", "A", 1);
}

// A to B, B to C, C to A: strongly connected and Eulerian.
void Cycle(TGraphe& g)
{
    Chaine(g);
    g.AjouterArc("C", "A", 1);
}

struct Cas {
    const char* commande;
    const char* titre;
    const char* fichierOui;
    const char* messageOui;
    const char* fichierNon;
    const char* messageNon;
};
}  // namespace

// Status 0 when the graph has what the command's name asks about.
TEST_F(TestCli, Detections_messageDuProgrammeEtStatutSelonLaReponse)
{
    Ecrire("chaine.gff", true, Chaine);
    Ecrire("circuit.gff", true, Circuit);
    Ecrire("cycle.gff", true, Cycle);
    const Cas cas[] = {
        {"circuit", "Détection de circuit", "circuit.gff", "Le graphe possède un ou plusieurs circuits", "chaine.gff",
         "Le graphe ne possède pas de circuit"},
        {"connexite", "Détermination de la connexité", "chaine.gff", "Le graphe est connexe.", "circuit.gff",
         "Le graphe n'est pas connexe."},
        {"forte-connexite", "Détermination de la forte connexité", "cycle.gff", "Le graphe est fortement connexe.",
         "chaine.gff", "Le graphe n'est pas fortement connexe."},
        {"arbre", "Reconnaissance d'arbre", "chaine.gff", "Le graphe est un arbre.", "circuit.gff",
         "Le graphe n'est pas un arbre."},
        {"arborescence", "Reconnaissance d'arborescence", "chaine.gff", "Le graphe est une arborescence", "circuit.gff",
         "Le graphe n'est pas une arborescence"},
        {"eulerien", "Détermination de la contenance d'un cycle eulérien", "cycle.gff", "Le graphe est eulérien.",
         "chaine.gff", "Le graphe n'est pas eulérien."},
    };
    for (const Cas& c : cas) {
        const Execution oui = Lancer({c.commande, c.fichierOui});
        EXPECT_EQ(oui.sortie, std::string(c.titre) + " : " + c.messageOui + "\n");
        EXPECT_EQ(oui.statut, 0) << c.commande;
        const Execution non = Lancer({c.commande, c.fichierNon});
        EXPECT_EQ(non.sortie, std::string(c.titre) + " : " + c.messageNon + "\n");
        EXPECT_EQ(non.statut, 1) << c.commande;
        EXPECT_EQ(non.erreurs, "");
    }
}

TEST_F(TestCli, Detection_plusieursFichiers_statut0SeulementSiToutEstOui)
{
    Ecrire("a.gff", true, Chaine);
    Ecrire("b.gff", true, Chaine);
    Ecrire("c.gff", true, Circuit);
    const Execution oui = Lancer({"connexite", "a.gff", "b.gff"});
    EXPECT_EQ(oui.statut, 0);
    EXPECT_EQ(oui.sortie,
              "==> a.gff <==\nDétermination de la connexité : Le graphe est connexe.\n"
              "\n==> b.gff <==\nDétermination de la connexité : Le graphe est connexe.\n");
    EXPECT_EQ(Lancer({"connexite", "a.gff", "c.gff", "b.gff"}).statut, 1);
    EXPECT_EQ(Lancer({"connexite", "c.gff", "absent.gff"}).statut, 3) << "a failure outweighs a no";
}

TEST_F(TestCli, Numerotation_etiquettesDansLOrdreDeLaListeEtSauvegardeNumerotee)
{
    Ecrire("n.gff", true, [](TGraphe& g) {
        g.AjouterSommet("C", 1, 1);
        g.AjouterSommet("B", 2, 2);
        g.AjouterSommet("A", 3, 3);
        g.AjouterSommet("D", 4, 4);
        g.AjouterArc("A", "B", 1);
        g.AjouterArc("B", "C", 1);
        g.AjouterArc("D", "D", 1);
    });
    const Execution e = Lancer({"numerotation", "n.gff", "-o", "numerote.gff"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_EQ(e.sortie, "C[3], B[2], A[1], D\n");
    const auto lu = Relire(Chemin("numerote.gff"));
    EXPECT_EQ(lu->graphe.ChercherSommet("C")->valeur, 3);
    EXPECT_EQ(lu->graphe.ChercherSommet("D")->valeur, 0);
    EXPECT_EQ(lu->graphe.NomFichier(), Chemin("numerote.gff")) << "the stored path is the absolute one";

    // On standard output the file comes alone, and keeps the source's path.
    const Execution flux = Lancer({"numerotation", "n.gff", "-o", "-"}, "/dev/null", Chemin("flux.gff"));
    EXPECT_EQ(flux.statut, 0) << flux.erreurs;
    const auto relu = Relire(Chemin("flux.gff"));
    EXPECT_EQ(relu->graphe.ChercherSommet("C")->valeur, 3);
    std::ifstream flot(Chemin("flux.gff"), std::ios::binary);
    std::string entete(107, '\0');
    flot.read(entete.data(), 107);
    EXPECT_EQ(entete.substr(27, Chemin("n.gff").size() + 1), Chemin("n.gff") + '\0');
}

TEST_F(TestCli, SortieImpossibleAEcrire_messageDuProgrammeSurErreurStandardEtStatut3)
{
    Ecrire("n.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 1, 1); });
    const Execution e = Lancer({"numerotation", "n.gff", "-o", "absent/numerote.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_EQ(e.sortie, "A[1]\n");
    EXPECT_EQ(e.erreurs,
              "absent/numerote.gff : Erreur d'écriture : Le fichier ne peut être sauvegardé.\n"
              "Impossible d'écrire « absent/numerote.gff » : dossier introuvable.\n");
}

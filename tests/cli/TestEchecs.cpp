#include "cli/OutilCli.h"

#include <filesystem>
#include <fstream>

namespace {
constexpr char kIntrouvable[] = "Fichier introuvable : Le fichier spécifié n'est pas atteignable.\n";
constexpr char kPasGff[] = "Format incompatible : Le fichier spécifié n'est pas au format GFF.\n";
constexpr char kIncomplet[] =
    "Fichier incomplet : Le fichier spécifié est incomplet : seule sa partie lisible a été chargée.\n";
}  // namespace

TEST_F(TestCli, FichierAbsent_messageSurErreurStandardEtStatut3)
{
    const Execution e = Lancer({"afficher", "absent.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_EQ(e.sortie, "");
    EXPECT_EQ(e.erreurs, std::string("absent.gff : ") + kIntrouvable);
}

TEST_F(TestCli, FichierQuiNestPasUnGraphe_refuseAvecStatut3)
{
    std::ofstream(Chemin("texte.gff")) << "Graph File Formax, mais pas un graphe\n";
    std::filesystem::create_directory(Chemin("dossier.gff"));
    const Execution e = Lancer({"afficher", "texte.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_EQ(e.sortie, "");
    EXPECT_EQ(e.erreurs, std::string("texte.gff : ") + kPasGff);
    const Execution d = Lancer({"afficher", "dossier.gff"});
    EXPECT_EQ(d.statut, 3);
    EXPECT_EQ(d.erreurs, std::string("dossier.gff : ") + kIntrouvable);
}

TEST_F(TestCli, FichierTronque_partieLisibleJamaisAfficheeEtStatut3)
{
    const std::string chemin = Ecrire("t.gff", true, [](TGraphe& g) {
        g.AjouterSommet("A", 1, 1);
        g.AjouterSommet("B", 2, 2);
        g.AjouterArc("A", "B", 1);
    });
    std::filesystem::resize_file(chemin, std::filesystem::file_size(chemin) - 10);
    const Execution e = Lancer({"afficher", "t.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_EQ(e.sortie, "");
    EXPECT_EQ(e.erreurs, std::string("t.gff : ") + kIncomplet);
}

TEST_F(TestCli, UnFichierEnEchecParmiDautres_lesAutresSontTraitesEtLeStatutEst3)
{
    Ecrire("bon.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 1, 1); });
    const Execution e = Lancer({"afficher", "absent.gff", "bon.gff"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_NE(e.sortie.find("==> bon.gff <==\nOrientation : orienté\n"), std::string::npos);
    EXPECT_EQ(e.erreurs, std::string("absent.gff : ") + kIntrouvable);
}

TEST_F(TestCli, AideEtVersion_nImporteOuSurLaLigne_surLaSortieEtReussissent)
{
    for (const char* option : {"--aide", "--help", "-h"}) {
        const Execution e = Lancer({"afficher", "absent.gff", option});
        EXPECT_EQ(e.statut, 0) << option;
        EXPECT_EQ(e.sortie.rfind("Usage : quorvalent-cli COMMANDE", 0), 0u) << option;
        EXPECT_NE(e.sortie.find("  afficher FICHIER.gff...\n"), std::string::npos);
        EXPECT_EQ(e.erreurs, "");
    }
    for (const char* option : {"--version", "-V"}) {
        const Execution e = Lancer({"dessiner", option});
        EXPECT_EQ(e.statut, 0) << option;
        EXPECT_EQ(e.sortie, std::string("quorvalent-cli ") + QUORVALENT_VERSION + "\n");
        EXPECT_EQ(e.erreurs, "");
    }
}

TEST_F(TestCli, ErreursDUsage_uneLigneDeRaisonPuisEssayezEtStatut2)
{
    Ecrire("g.gff", true, [](TGraphe&) {});
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{}, "commande manquante"},
        {{"dessiner", "g.gff"}, "commande inconnue : dessiner"},
        {{"afficher"}, "arguments manquants pour afficher"},
        {{"afficher", "--vite", "g.gff"}, "option inconnue : --vite"},
        {{"afficher", "-o", "x.gff", "g.gff"}, "option sans objet pour cette commande : -o"},
        {{"numerotation", "g.gff", "-o", "x.gff", "-o", "y.gff"}, "option répétée : -o"},
        {{"numerotation", "g.gff", "-o", "x.png"}, "extension contraire au format .gff : x.png"},
        {{"imprimer", "g.gff", "x.txt"}, "extension contraire au format .pdf : x.txt"},
        {{"numerotation", "--json", "g.gff", "-o", "-"}, "--json occupe déjà la sortie standard : -"},
    };
    for (const auto& [arguments, raison] : cas) {
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.statut, 2) << raison;
        EXPECT_EQ(e.sortie, "") << raison;
        EXPECT_EQ(e.erreurs, "quorvalent-cli : " + raison + "\nEssayez « quorvalent-cli --aide ».\n");
    }
    for (const char* fichier : {"x.gff", "y.gff", "x.png", "x.txt"})
        EXPECT_FALSE(std::filesystem::exists(Chemin(fichier))) << fichier;
}

TEST_F(TestCli, SortieStandardImpossibleAEcrire_messageEtStatut3)
{
    Ecrire("g.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 1, 1); });
    for (const std::vector<std::string>& ligne : {std::vector<std::string>{"--aide"}, {"afficher", "g.gff"}}) {
        const Execution e = Lancer(ligne, "/dev/null", "/dev/full");
        EXPECT_EQ(e.statut, 3) << ligne[0];
        EXPECT_EQ(e.erreurs, "quorvalent-cli : la sortie standard ne peut être écrite.\n");
    }
}

TEST_F(TestCli, Silencieux_rienNestEcritSeulLeStatutReste)
{
    Ecrire("g.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 1, 1); });
    const std::vector<std::pair<std::vector<std::string>, int>> cas = {
        {{"-q", "afficher", "g.gff"}, 0}, {{"rapport", "g.gff", "--silencieux"}, 0},
        {{"circuit", "g.gff", "-q"}, 1},  {{"afficher", "-q", "absent.gff"}, 3},
        {{"-q", "dessiner"}, 2},
    };
    for (const auto& [ligne, statut] : cas) {
        const Execution e = Lancer(ligne);
        EXPECT_EQ(e.statut, statut) << ligne[1];
        EXPECT_EQ(e.sortie + e.erreurs, "") << ligne[1];
    }
}

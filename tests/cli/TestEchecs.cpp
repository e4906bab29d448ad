#include "cli/OutilCli.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

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
    ASSERT_EQ(::mkfifo(Chemin("fifo.gff").c_str(), 0600), 0);  // no writer: must not wait for one
    const Execution f = Lancer({"afficher", "fifo.gff"});
    EXPECT_EQ(f.statut, 3);
    EXPECT_EQ(f.erreurs, std::string("fifo.gff : ") + kIntrouvable);
}

// A valid graph followed by 3 GiB of zeros, and 3 GiB of zeros alone: the
// reader stops at the graph's end or at the signature, in small memory.
TEST_F(TestCli, FichierDe3Gio_luOuRefuseEnPeuDeMemoire)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers reserve more address space than any limit";
#endif
    constexpr long kLimiteKio = 512 * 1024;
    constexpr std::uintmax_t k3Gio = std::uintmax_t(3) << 30;
    const std::string grand = Ecrire("grand.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 1, 1); });
    std::filesystem::resize_file(grand, k3Gio);
    std::ofstream(Chemin("zeros.gff")).close();
    std::filesystem::resize_file(Chemin("zeros.gff"), k3Gio);

    const Execution g = LancerBorne(kLimiteKio, {"afficher", "grand.gff"});
    EXPECT_EQ(g.statut, 0) << g.erreurs;
    EXPECT_NE(g.sortie.find("\nA (1, 1)\n"), std::string::npos) << g.sortie;
    const Execution z = LancerBorne(kLimiteKio, {"afficher", "zeros.gff"});
    EXPECT_EQ(z.statut, 3);
    EXPECT_EQ(z.erreurs, std::string("zeros.gff : ") + kPasGff);
}

TEST_F(TestCli, MemoireEpuisee_commandeAbandonneeAvecStatut3)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers reserve more address space than any limit";
#endif
    constexpr long kLimiteKio = 512 * 1024;
    constexpr std::uintmax_t k3Gio = std::uintmax_t(3) << 30;
    // A header announcing 2^31 - 1 vertices, then zeros: each 36 bytes is an
    // empty vertex, until memory runs out.
    const std::string foule = Ecrire("foule.gff", true, [](TGraphe&) {});
    {
        std::fstream f(foule, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(18);
        f.write("\xff\xff\xff\x7f", 4);
    }
    std::filesystem::resize_file(foule, k3Gio);
    const Execution f = LancerBorne(kLimiteKio, {"arbre", "foule.gff"});
    EXPECT_EQ(f.statut, 3);
    EXPECT_EQ(f.sortie, "");
    EXPECT_EQ(f.erreurs, "Mémoire insuffisante : la commande « arbre » a été abandonnée.\n");
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
        {{"rapport", "--etapes", "g.gff"}, "option sans objet pour cette commande : --etapes"},
        {{"kruskal1", "--etapes", "g.gff", "-o", "-"},
         "--etapes écrirait dans le graphe envoyé sur la sortie standard : -"},
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

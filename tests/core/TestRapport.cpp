#include "OutilsChemins.h"
#include "algorithms/Rapport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Rapport : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
    fs::path dossier;

    void SetUp() override
    {
        std::string modele = (fs::temp_directory_path() / "rapport-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override { fs::remove_all(dossier); }

    // A file whose last write is the given local time.
    std::string FichierEcritLe(int annee, int mois, int jour, int heure, int minute, int seconde)
    {
        const fs::path chemin = dossier / "graphe.gff";
        std::ofstream(chemin) << "x";
        std::tm local{};
        local.tm_year = annee - 1900;
        local.tm_mon = mois - 1;
        local.tm_mday = jour;
        local.tm_hour = heure;
        local.tm_min = minute;
        local.tm_sec = seconde;
        local.tm_isdst = -1;
        const auto instant = std::chrono::system_clock::from_time_t(std::mktime(&local));
        fs::last_write_time(chemin, std::chrono::file_clock::from_sys(instant));
        return chemin.string();
    }
};

// The root need not come first in the list.
TEST_F(Rapport, ArbreOriente_lesNeufLignesQuelQueSoitLOrdre)
{
    for (const bool racineEnTete : {true, false}) {
        TGraphe fourche{fenetre};
        if (racineEnTete)
            AjouterSommets(fourche, {"A", "B", "C"});
        else
            AjouterSommets(fourche, {"B", "A", "C"});
        AjouterArcs(fourche, {{"A", "B", 1}, {"A", "C", 1}});
        EXPECT_EQ(::Rapport(fourche),
                  "Le graphe  possède 3 sommets et 2  arcs.\n"
                  "\n"
                  " - Il ne possède pas de circuit.\n"
                  " - Il est connexe.\n"
                  " - Il comporte 3 composantes fortement connexes.\n"
                  " - Il constitue un arbre.\n"
                  " - Il constitue un arborescence.\n"
                  " - Il n'est pas eulérien.\n"
                  " - Il occupe 892 octets en mémoire vive.\n")
            << (racineEnTete ? "A first" : "B first");
    }
}

TEST_F(Rapport, TriangleNonOriente_demiNombreDArcsEtMemoireDesEnregistrements)
{
    g.FixerOriente(false);
    AjouterSommets(g, {"A", "B", "C"});
    AjouterArcs(g, {{"A", "B", 1}, {"B", "C", 1}, {"C", "A", 1}});
    const std::string texte = ::Rapport(g);
    EXPECT_EQ(texte.substr(0, texte.find('\n')), "Le graphe  possède 3 sommets et 3  arcs.");
    EXPECT_NE(texte.find(" - Il possède un ou plusieurs circuits.\n"), std::string::npos);
    EXPECT_NE(texte.find(" - Il ne constitue pas un arbre.\n"), std::string::npos);
    EXPECT_NE(texte.find(" - Il occupe 1100 octets en mémoire vive.\n"), std::string::npos);
}

TEST_F(Rapport, DeuxMorceaux_nombreDeComposantesConnexes)
{
    AjouterSommets(g, {"A", "B", "C", "D"});
    AjouterArcs(g, {{"A", "B", 1}, {"C", "D", 1}});
    EXPECT_NE(::Rapport(g).find("\n - Il comporte 2 composantes connexes.\n"), std::string::npos);
}

TEST_F(Rapport, GrapheVide)
{
    EXPECT_EQ(::Rapport(g),
              "Le graphe  possède 0 sommets et 0  arcs.\n"
              "\n"
              " - Il ne possède pas de circuit.\n"
              " - Il est connexe.\n"
              " - Il est fortement connexe.\n"
              " - Il ne constitue pas un arbre.\n"
              " - Il ne constitue pas un arborescence.\n"
              " - Il est eulérien.\n"
              " - Il occupe 632 octets en mémoire vive.\n");
}

TEST_F(Rapport, EffaceLesNumeros)
{
    AjouterSommets(g, {"A", "B"});
    AjouterArcs(g, {{"A", "B", 1}});
    Numeroter(g, {1, 2});
    ::Rapport(g);
    EXPECT_EQ(Numeros(g), (std::vector<int32_t>{0, 0}));
}

TEST_F(Rapport, FichierExistant_dateLocaleAuxDeuxSecondesPres)
{
    g.FixerNomFichier(FichierEcritLe(2024, 3, 5, 14, 7, 9));
    const std::string texte = ::Rapport(g);
    EXPECT_EQ(texte.substr(0, texte.find('\n')), "Le graphe " + g.NomFichier() + " possède 0 sommets et 0  arcs.");
    const std::string derniere = " - La dernière sauvegarde date de 05/03/2024 14:07:08.\n";
    ASSERT_GE(texte.size(), derniere.size());
    EXPECT_EQ(texte.substr(texte.size() - derniere.size()), derniere);
}

TEST_F(Rapport, FichierEcritAMinuit_laDateSeule)
{
    g.FixerNomFichier(FichierEcritLe(2023, 12, 31, 0, 0, 1));
    const std::string texte = ::Rapport(g);
    const std::string derniere = " - La dernière sauvegarde date de 31/12/2023.\n";
    ASSERT_GE(texte.size(), derniere.size());
    EXPECT_EQ(texte.substr(texte.size() - derniere.size()), derniere);
}

TEST_F(Rapport, FichierDisparuOuDossier_pasDeLigneDeDate)
{
    g.FixerNomFichier((dossier / "absent.gff").string());
    EXPECT_EQ(::Rapport(g).find("sauvegarde"), std::string::npos);
    g.FixerNomFichier(dossier.string());
    EXPECT_EQ(::Rapport(g).find("sauvegarde"), std::string::npos);
}

TEST_F(Rapport, Information_leRapportDansUneBoiteSansRedessin)
{
    AjouterSommets(g, {"A"});
    Info1Click(g);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Information");
    const std::string& texte = fenetre.messages[0].texte;
    EXPECT_EQ(texte.substr(0, texte.find('\n')), "Le graphe  possède 1 sommets et 0  arcs.");
    EXPECT_EQ(fenetre.redessins, 0);
}

}  // namespace

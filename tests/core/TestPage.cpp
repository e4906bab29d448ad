#include "CanevasEnregistreur.h"
#include "FauxServices.h"

#include "model/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// The page used throughout: 4800 by 6400 device pixels, so that W / 100 = 48,
// H / 8 = 800, H / 40 = 160, H / 90 = 71, H / 100 = 64, H / 110 = 58. The
// recording canvas makes a text 6 pixels wide per byte and as high as its
// font's cell.

namespace {

using Appels = std::vector<std::string>;

constexpr int32_t kLargeur = 4800;
constexpr int32_t kHauteur = 6400;

struct Page : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
    CanevasEnregistreur canevas;

    void Dessiner() { g.DessinerPage(canevas, kLargeur, kHauteur); }

    // The calls from the first one starting with `debut` on, `n` of them.
    Appels Depuis(const std::string& debut, size_t n) const
    {
        const auto premier = std::find_if(canevas.appels.begin(), canevas.appels.end(),
                                          [&](const std::string& a) { return a.rfind(debut, 0) == 0; });
        const auto dispo = static_cast<size_t>(canevas.appels.end() - premier);
        return Appels(premier, premier + static_cast<std::ptrdiff_t>(std::min(n, dispo)));
    }
};

// ---- Title -----------------------------------------------------------------

TEST_F(Page, Titre_cheminEncadreCentreEnArialAuQuaranitemeDeLaHauteur)
{
    g.FixerNomFichier("/g/a.gff");  // 48 pixels wide
    Dessiner();
    EXPECT_EQ(Depuis("police", 7),
              (Appels{"police Arial", "pixels 160", "largeur /g/a.gff", "hauteur /g/a.gff",
                      "rectangle 2328 58 2472 231", "texte 2376 64 /g/a.gff", "points 8"}));
}

TEST_F(Page, TitreVide_cadreLargeDeDeuxCentiemesDePageSansTexte)
{
    Dessiner();
    EXPECT_EQ(canevas.Appels("rectangle"), (Appels{"rectangle 2352 58 2448 231"}));
    EXPECT_EQ(Depuis("texte", 1), (Appels{"texte 2400 64"}));
}

TEST_F(Page, Titre_cheminUtf8EcritEnWindows1252)
{
    g.FixerNomFichier("/d/r\xC3\xA9seau.gff");
    Dessiner();
    EXPECT_EQ(Depuis("texte", 1), (Appels{"texte 2361 64 /d/r\xE9seau.gff"}));
}

// ---- Graph -----------------------------------------------------------------

TEST_F(Page, FenetreDejaAjustee_grapheSurLaMoitieCentraleDeLaPage)
{
    g.AjouterSommet("A", 350, 100);
    fenetre.FixerTailleClient(400, 150);
    Dessiner();
    // s = 2400 / 400 = 6, horizontal offset 2400 - 400 * 6 / 2 = 1200.
    EXPECT_EQ(Depuis("points 8", 3),
              (Appels{"points 8", "pinceau transparent", "couleur 0 0 255"}));
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse 3258 1358 3342 1442"}));
}

TEST_F(Page, FenetreRedimensionnee_echelleAvantAjustementDecalageApres)
{
    g.AjouterSommet("A", 350, 100);
    fenetre.FixerTailleClient(800, 600);
    Dessiner();
    // s = 2400 / 800 = 3, then fitted to 400: offset 2400 - 400 * 3 / 2 = 1800.
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse 2829 1079 2871 1121"}));
    EXPECT_EQ(fenetre.tailles.back(), std::make_pair(400, 150));
    EXPECT_EQ(fenetre.redessins, 1);
}

TEST_F(Page, FenetreSansLargeur_echelleDeLaLargeurAjustee)
{
    g.AjouterSommet("A", 350, 100);
    fenetre.FixerTailleClient(0, 0);
    Dessiner();
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse 3258 1358 3342 1442"}));
}

TEST_F(Page, GrapheVide_ajusteA50Sur50)
{
    Dessiner();
    EXPECT_EQ(fenetre.tailles.back(), std::make_pair(50, 50));
}

// ---- Report ----------------------------------------------------------------

TEST_F(Page, Rapport_enArial10PointsNoir)
{
    Dessiner();
    EXPECT_EQ(Depuis("points 10", 2), (Appels{"points 10", "couleur 0 0 0"}));
}

// ---- Export file name --------------------------------------------------------

TEST_F(Page, NomExport_remplaceLExtensionOuAjouteBmp)
{
    const std::pair<std::string, std::string> cas[] = {
        {"/home/u/reseau.gff", "/home/u/reseau.bmp"},
        {"C:\\graphes\\reseau.gff", "C:\\graphes\\reseau.bmp"},
        {"", ".bmp"},
        {"/d/graphe.GFF", "/d/graphe.bmp"},
        // No extension to replace: the whole name is kept.
        {"dossier.gff/graphe", "dossier.gff/graphe.bmp"},
        {"/d.x/a", "/d.x/a.bmp"},
        {"a.gffb", "a.gffb.bmp"},
        {"gff", "gff.bmp"},
        {"/d/graph\xC3\xA9", "/d/graph\xC3\xA9.bmp"},
    };
    for (const auto& [nom, attendu] : cas) {
        g.FixerNomFichier(nom);
        EXPECT_EQ(g.NomExport(".bmp"), attendu) << "pour " << nom;
    }
}

TEST(Cp1252, Utf8VersCp1252_convertitEtMarqueCeQueLaPageDeCodeNAPas)
{
    EXPECT_EQ(Utf8VersCp1252("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xC5\x93"), "\xE9t\xE9 \x80 \x9C");
    EXPECT_EQ(Utf8VersCp1252("\xE6\x97\xA5 \xF0\x9F\x98\x80"), "? ?");
    EXPECT_EQ(Utf8VersCp1252("a\xFF" "b\xC3"), "a?b?");
    EXPECT_EQ(Cp1252VersUtf8(Utf8VersCp1252("R\xC3\xA9seau \xE2\x80\x94 n\xC2\xB0" "1")),
              "R\xC3\xA9seau \xE2\x80\x94 n\xC2\xB0" "1");
}

}  // namespace

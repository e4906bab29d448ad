#include "CanevasEnregistreur.h"
#include "FauxServices.h"

#include "model/Cp1252.h"
#include "algorithms/Numerotation.h"
#include "render/Page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
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

    void Dessiner() { DessinerPage(g, canevas, kLargeur, kHauteur); }

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
    EXPECT_EQ(Depuis("police", 7), (Appels{"police Arial", "pixels 160", "largeur /g/a.gff", "hauteur /g/a.gff",
                                           "rectangle 2328 58 2472 231", "texte 2376 64 /g/a.gff", "points 8"}));
}

// Two copies on one surface: each sets the one pen before its first
// outline, and nothing else touches it.
TEST_F(Page, Plume_uneSeuleEnTeteDeChaqueCopie)
{
    g.AjouterSommet("A", 10, 10);
    g.AjouterSommet("B", 60, 40);
    g.AjouterArc("A", "B", 2);
    g.AjouterArc("B", "B", 1);
    g.AjusterFenetre();
    Dessiner();
    const Appels premiere = canevas.appels;
    Dessiner();
    EXPECT_EQ(premiere.front(), "plume 0 0 0 1");
    EXPECT_EQ(canevas.Appels("plume"), (Appels{"plume 0 0 0 1", "plume 0 0 0 1"}));
    EXPECT_EQ(Appels(canevas.appels.begin() + static_cast<std::ptrdiff_t>(premiere.size()), canevas.appels.end()),
              premiere);
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
    EXPECT_EQ(Depuis("points 8", 3), (Appels{"points 8", "pinceau transparent", "couleur 0 0 255"}));
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

TEST_F(Page, PositionsExtremes_pageBorneeSansDebordement)
{
    g.AjouterSommet("Max", std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());
    g.AjouterSommet("Min", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min());
    g.AjouterArc("Max", "Min", 1);
    g.FixerNomFichier(std::string(5000, 'x'));
    Dessiner();
    // The fitted width sticks at the top of the range; the report still
    // finds its place, however far down.
    EXPECT_EQ(fenetre.tailles.back().first, std::numeric_limits<int>::max());
    EXPECT_EQ(canevas.Appels("rectangle").size(), 1u);
    EXPECT_GE(canevas.Appels("texte").size(), 8u);
}

// ---- Report ----------------------------------------------------------------

// A, B, C with arcs from A to B and C: s = 6, client height 200, so the report
// starts at 200 * 1.5 * 6 + 800 = 2600, at the left margin W / 100 = 48.
struct PageRapport : Page {
    PageRapport()
    {
        g.AjouterSommet("A", 100, 50);
        g.AjouterSommet("B", 50, 150);
        g.AjouterSommet("C", 350, 150);
        g.AjouterArc("A", "B", 1);
        g.AjouterArc("A", "C", 2);
        fenetre.FixerTailleClient(400, 200);
    }
    Appels LignesRapport() const
    {
        Appels lignes;
        for (const std::string& appel : canevas.Appels("texte")) {
            if (appel.rfind("texte 48 ", 0) == 0)
                lignes.push_back(appel);
        }
        return lignes;
    }
};

TEST_F(PageRapport, Rapport_uneLigneParPositionLaLigneVideComprise)
{
    Dessiner();
    EXPECT_EQ(Depuis("points 10", 2), (Appels{"points 10", "couleur 0 0 0"}));
    // 10 points at 96 dpi: lines 13 pixels apart; the empty second line
    // draws nothing but keeps its place.
    EXPECT_EQ(LignesRapport(), (Appels{
                                   "texte 48 2600 Le graphe  poss\xE8"
                                   "de 3 sommets et 2  arcs.",
                                   "texte 48 2626  - Il ne poss\xE8"
                                   "de pas de circuit.",
                                   "texte 48 2639  - Il est connexe.",
                                   "texte 48 2652  - Il comporte 3 composantes fortement connexes.",
                                   "texte 48 2665  - Il constitue un arbre.",
                                   "texte 48 2678  - Il constitue un arborescence.",
                                   "texte 48 2691  - Il n'est pas eul\xE9rien.",
                                   "texte 48 2704  - Il occupe 892 octets en m\xE9moire vive.",
                               }));
}

TEST_F(PageRapport, Rapport_interligneDe10PointsALaResolutionDuCanevas)
{
    canevas.resolution = 600;  // 83.3 pixels, rounded to 83
    Dessiner();
    const Appels lignes = LignesRapport();
    ASSERT_EQ(lignes.size(), 8u);
    EXPECT_EQ(lignes[1].substr(0, 14), "texte 48 2766 ");
    EXPECT_EQ(lignes[7].substr(0, 14), "texte 48 3264 ");
}

TEST_F(PageRapport, Numeros_surLaPagePuisEffacesParLeRapport)
{
    NumerotationTopologique(g);
    Dessiner();
    const Appels textes = canevas.Appels("texte");
    EXPECT_NE(std::find_if(textes.begin(), textes.end(),
                           [](const std::string& t) { return t.find(" A[1]") != std::string::npos; }),
              textes.end());
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        EXPECT_EQ(s->valeur, 0) << s->nom;
    canevas.appels.clear();
    Dessiner();
    for (const std::string& t : canevas.Appels("texte"))
        EXPECT_EQ(t.find('['), std::string::npos) << t;
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
        EXPECT_EQ(NomExport(g, ".bmp"), attendu) << "pour " << nom;
    }
}

TEST(Cp1252, Utf8VersCp1252_convertitEtMarqueCeQueLaPageDeCodeNAPas)
{
    EXPECT_EQ(Utf8VersCp1252("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xC5\x93"), "\xE9t\xE9 \x80 \x9C");
    EXPECT_EQ(Utf8VersCp1252("\xE6\x97\xA5 \xF0\x9F\x98\x80"), "? ?");
    EXPECT_EQ(Utf8VersCp1252("a\xFF"
                             "b\xC3"),
              "a?b?");
    EXPECT_EQ(Cp1252VersUtf8(Utf8VersCp1252("R\xC3\xA9seau \xE2\x80\x94 n\xC2\xB0"
                                            "1")),
              "R\xC3\xA9seau \xE2\x80\x94 n\xC2\xB0"
              "1");
}

}  // namespace

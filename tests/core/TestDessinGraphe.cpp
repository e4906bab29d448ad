#include "CanevasEnregistreur.h"
#include "FauxServices.h"
#include "render/DessinGraphe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

// Expected coordinates are worked out by hand from the geometry (radius 7,
// label 15 below, strokes of 14 at 22.5 degrees, cos 22.5° = 0.92388,
// sin 22.5° = 0.38268), not by re-running the drawing's own formulas.

namespace {

using Appels = std::vector<std::string>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// The strokes and lines: every "deplacer" and "ligne" in order.
Appels TraitsDe(const CanevasEnregistreur& canevas)
{
    Appels traits;
    for (const std::string& appel : canevas.appels) {
        if (appel.rfind("deplacer ", 0) == 0 || appel.rfind("ligne ", 0) == 0)
            traits.push_back(appel);
    }
    return traits;
}

struct Dessin : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
    CanevasEnregistreur canevas;

    void Dessiner(float echelle = 1.0f, int32_t decalageX = 0, int32_t decalageY = 0)
    {
        DessinerGraphe(g, canevas, decalageX, decalageY, echelle);
    }
    Appels Traits() const { return TraitsDe(canevas); }
};

// One suite per element of the picture.
struct DessinSommet : Dessin {};
struct DessinArc : Dessin {};
struct DessinPointe : Dessin {};
struct DessinBoucle : Dessin {};
struct DessinPoids : Dessin {};
struct DessinEchelle : Dessin {};

// ---- Vertex ----------------------------------------------------------------

TEST_F(DessinSommet, GrapheVide_neFaitQueRendreLePinceauTransparent)
{
    Dessiner();
    EXPECT_EQ(canevas.appels, (Appels{"pinceau transparent"}));
}

TEST_F(DessinSommet, Sommet_cercleDeRayon7EtNomBleuCentre15PixelsSousLeCentre)
{
    g.AjouterSommet("A", 100, 60);
    Dessiner();
    EXPECT_EQ(canevas.appels,
              (Appels{"pinceau transparent", "couleur 0 0 255", "ellipse 93 53 107 67", "largeur A", "texte 97 75 A"}));
}

TEST_F(DessinSommet, Sommet_numeroteGardeLeNomSeulCentreEtLeNumeroADroite)
{
    canevas.largeurCaractere = 5;  // "Nom" is 15 wide: its half rounds down to 7
    g.AjouterSommet("Nom", 100, 60);
    g.ChercherSommet("Nom")->valeur = 3;
    Dessiner();
    EXPECT_EQ(canevas.Appels("largeur"), (Appels{"largeur Nom"}));
    EXPECT_EQ(canevas.Appels("texte"), (Appels{"texte 93 75 Nom[3]"}));
}

TEST_F(DessinSommet, Sommet_passeLesOctetsDuNomTelsQuels)
{
    g.AjouterSommet("\xC9t\xE9", 10, 10);
    Dessiner();
    EXPECT_EQ(canevas.Appels("texte"), (Appels{"texte 1 25 \xC9t\xE9"}));
}

TEST_F(DessinSommet, Ordre_lesArcsDUnSommetSuiventSonEtiquetteAvantLeSommetSuivant)
{
    g.AjouterSommet("A", 100, 100);
    g.AjouterSommet("B", 200, 100);
    g.AjouterArc("A", "B", 5);
    Dessiner();
    EXPECT_EQ(canevas.appels, (Appels{"pinceau transparent", "couleur 0 0 255", "ellipse 93 93 107 107", "largeur A",
                                      "texte 97 115 A", "deplacer 187 105", "ligne 200 100", "ligne 187 94",
                                      "deplacer 100 100", "ligne 200 100", "couleur 255 0 0", "texte 150 100 5",
                                      "couleur 0 0 255", "ellipse 193 93 207 107", "largeur B", "texte 197 115 B"}));
}

// ---- Arc -------------------------------------------------------------------

TEST_F(DessinArc, Arc_nonOriente_uneLigneDeChaqueCoteSansPointeEtPoidsSuperposes)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 40, 20);
    g.AjouterArc("A", "B", 7);
    Dessiner();
    EXPECT_EQ(Traits(), (Appels{"deplacer 0 0", "ligne 40 20", "deplacer 40 20", "ligne 0 0"}));
    EXPECT_EQ(canevas.Appels("texte"), (Appels{"texte -3 15 A", "texte 20 10 7", "texte 37 35 B", "texte 20 10 7"}));
}

TEST_F(DessinArc, Arc_suitLaCopieDeLaPositionDeLaCibleMemeSansSommetCible)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 40, 0);
    g.AjouterArc("A", "B", 1);
    Arc* arc = g.PremierSommet()->arcSuivant;
    arc->x = 0;
    arc->y = 30;
    CopierNom(arc->nom, "Fantome");  // as a damaged file can leave it
    Dessiner();
    EXPECT_EQ(Traits(), (Appels{"deplacer -5 17", "ligne 0 30", "ligne 5 17", "deplacer 0 0", "ligne 0 30"}));
    EXPECT_EQ(canevas.Appels("texte")[1], "texte 0 15 1");
}

TEST_F(DessinArc, Arc_entreDeuxSommetsAuMemeEndroitDevientUneBoucle)
{
    g.AjouterSommet("A", 100, 60);
    g.AjouterSommet("B", 100, 60);
    g.AjouterArc("A", "B", 2);
    Dessiner();
    EXPECT_EQ(canevas.Appels("ellipse")[1], "ellipse 105 55 150 70");
}

// ---- Arrowhead ---------------------------------------------------------------

TEST_F(DessinPointe, Pointe_arcHorizontalVersLaDroite_traitsVersLaGaucheA22DegresEtDemi)
{
    g.AjouterSommet("A", 100, 100);
    g.AjouterSommet("B", 200, 100);
    g.AjouterArc("A", "B", 0);
    Dessiner();
    // 200 - 14 cos 22.5° = 187.07; 100 ± 14 sin 22.5° = 105.36 and 94.64.
    EXPECT_EQ(Traits(),
              (Appels{"deplacer 187 105", "ligne 200 100", "ligne 187 94", "deplacer 100 100", "ligne 200 100"}));
}

TEST_F(DessinPointe, Pointe_arcVerticalVersLeBas_traitsVersLeHaut)
{
    g.AjouterSommet("A", 100, 100);
    g.AjouterSommet("B", 100, 200);
    g.AjouterArc("A", "B", 0);
    Dessiner();
    EXPECT_EQ(Traits(),
              (Appels{"deplacer 94 187", "ligne 100 200", "ligne 105 187", "deplacer 100 100", "ligne 100 200"}));
}

TEST_F(DessinPointe, Pointe_chaqueQuadrantPointeVersLaSource)
{
    // 3-4-5 arcs: the distance 50 is exact, so the strokes lie at
    // atan2(-40, -30) ± 22.5° and the like, truncated toward zero.
    struct Cas {
        int32_t x2, y2;
        Appels pointe;
    };
    const Cas cas[] = {
        {30, 40, {"deplacer 17 32", "ligne 30 40", "ligne 26 26"}},
        {-30, 40, {"deplacer -26 26", "ligne -30 40", "ligne -17 32"}},
        {30, -40, {"deplacer 26 -26", "ligne 30 -40", "ligne 17 -32"}},
        {-30, -40, {"deplacer -17 -32", "ligne -30 -40", "ligne -26 -26"}},
    };
    for (const Cas& c : cas) {
        FauxServices f;
        TGraphe graphe{f};
        CanevasEnregistreur enregistreur;
        graphe.AjouterSommet("S", 0, 0);
        graphe.AjouterSommet("C", c.x2, c.y2);
        graphe.AjouterArc("S", "C", 0);
        DessinerGraphe(graphe, enregistreur, 0, 0, 1.0f);
        Appels traits = TraitsDe(enregistreur);
        traits.resize(3);
        EXPECT_EQ(traits, c.pointe) << "target (" << c.x2 << ", " << c.y2 << ")";
    }
}

TEST_F(DessinPointe, Pointe_arcCourtEtPeuPentu_horizontaleParLaDistanceTronquee)
{
    // d = trunc(sqrt(29)) = 5 = |dx|: the head lies along the horizontal
    // although the line climbs at 22°; 5 - 12.93 = -7.93 truncates to -7.
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 5, 2);
    g.AjouterArc("A", "B", 0);
    Dessiner();
    EXPECT_EQ(Traits(), (Appels{"deplacer -7 7", "ligne 5 2", "ligne -7 -3", "deplacer 0 0", "ligne 5 2"}));
}

// ---- Loop ------------------------------------------------------------------

TEST_F(DessinBoucle, Boucle_ellipse45Sur15ADroiteAvecPointeEtPoids)
{
    g.AjouterSommet("A", 100, 60);
    g.AjouterArc("A", "A", 7);
    Dessiner();
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse 93 53 107 67", "ellipse 105 55 150 70"}));
    EXPECT_EQ(Traits(), (Appels{"deplacer 112 50", "ligne 105 60", "ligne 117 63"}));
    EXPECT_EQ(canevas.Appels("texte")[1], "texte 125 57 7");
}

TEST_F(DessinBoucle, Boucle_nonOrientee_sansPointe)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 100, 60);
    g.AjouterArc("A", "A", 7);
    Dessiner();
    EXPECT_TRUE(Traits().empty());
    EXPECT_EQ(canevas.Appels("ellipse")[1], "ellipse 105 55 150 70");
}

TEST_F(DessinBoucle, Boucle_gardeSaTailleQuandLEchelleChange)
{
    g.AjouterSommet("A", 100, 60);
    g.AjouterArc("A", "A", 7);
    Dessiner(2.5f, 40, 30);
    // Centre (290, 180); only the head's 7·s = 17.5 grows with the scale.
    EXPECT_EQ(canevas.Appels("ellipse")[1], "ellipse 295 175 340 190");
    EXPECT_EQ(Traits(), (Appels{"deplacer 312 170", "ligne 295 180", "ligne 317 183"}));
    EXPECT_EQ(canevas.Appels("texte")[1], "texte 315 177 7");
}

// ---- Weight ----------------------------------------------------------------

TEST_F(DessinPoids, Poids_negatifGardeSonSigneEtLaMoitieArrondiVersMoinsLInfini)
{
    g.AjouterSommet("A", -5, -1);
    g.AjouterSommet("B", 0, 0);
    g.AjouterArc("A", "B", -4);
    g.AjouterArc("B", "A", kMin);
    Dessiner();
    // (-5 + 0) / 2 and (-1 + 0) / 2 round down to -3 and -1, not to -2 and 0.
    EXPECT_EQ(canevas.Appels("texte"),
              (Appels{"texte -8 14 A", "texte -3 -1 -4", "texte -3 15 B", "texte -3 -1 -2147483648"}));
}

// ---- Scale and offset ----------------------------------------------------------

TEST_F(DessinEchelle, Echelle_multiplieCentresRayonEtTraitsPuisAjouteLeDecalage)
{
    g.AjouterSommet("A", 100, 60);
    g.AjouterSommet("B", 200, 60);
    g.AjouterArc("A", "B", 9);
    Dessiner(2.5f, 40, 30);
    // Centres (290, 180) and (540, 180); radius 17.5 (272.5 -> 272); the
    // label's 15 stays unscaled: 150 + 15 + 30 = 195; strokes of 35.
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse 272 162 307 197", "ellipse 522 162 557 197"}));
    EXPECT_EQ(canevas.Appels("texte"), (Appels{"texte 287 195 A", "texte 415 180 9", "texte 537 195 B"}));
    EXPECT_EQ(Traits(),
              (Appels{"deplacer 507 193", "ligne 540 180", "ligne 507 166", "deplacer 290 180", "ligne 540 180"}));
}

TEST_F(DessinEchelle, Echelle_tronqueVersZeroAGaucheDeLOrigine)
{
    g.AjouterSommet("A", -10, -10);
    Dessiner(1.5f);
    // -15 - 10.5 = -25.5 and -15 + 10.5 = -4.5 truncate to -25 and -4.
    EXPECT_EQ(canevas.Appels("ellipse"), (Appels{"ellipse -25 -25 -4 -4"}));
    EXPECT_EQ(canevas.Appels("texte"), (Appels{"texte -18 0 A"}));
}

TEST_F(DessinEchelle, PositionsExtremes_restentAuxBornesSansDebordement)
{
    g.AjouterSommet("A", kMax - 10, kMin);
    g.AjouterSommet("B", kMin, kMax);
    g.AjouterArc("A", "A", 1);
    g.AjouterArc("A", "B", 2);
    Dessiner(2.5f, 40, 30);
    const Appels ellipses = canevas.Appels("ellipse");
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0], "ellipse 2147483647 -2147483648 2147483647 -2147483648");
    EXPECT_EQ(ellipses[1], "ellipse 2147483647 -2147483648 2147483647 -2147483638");
    // The weight of A -> B sits halfway between the two clamped centres.
    EXPECT_EQ(canevas.Appels("texte")[2], "texte -1 -1 2");
}

}  // namespace

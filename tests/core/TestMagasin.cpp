#include "FauxServices.h"
#include "OutilsGraphe.h"
#include "model/EditionGraphe.h"

#include <gtest/gtest.h>

namespace {

using Noms = std::vector<std::string>;

struct Magasin : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
    EditionGraphe e{g};
};

TEST_F(Magasin, NouveauGraphe_videOrienteSansNomDeFichier)
{
    EXPECT_EQ(g.NbSommets(), 0);
    EXPECT_EQ(g.NbArcs(), 0);
    EXPECT_TRUE(g.Oriente());
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(g.NomFichier(), "");
    EXPECT_EQ(e.RefGauche(), 0);
    EXPECT_EQ(e.RefHaut(), 0);
}

TEST_F(Magasin, AjouterSommet_refuseUnDoublonMaisDistingueLaCasse)
{
    g.AjouterSommet("A", 1, 2);
    g.AjouterSommet("a", 3, 4);
    g.AjouterSommet("A", 5, 6);
    EXPECT_EQ(g.NbSommets(), 2);
    EXPECT_EQ(NomsSommets(g), (Noms{"A", "a"}));
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte, "Un sommet possède déjà ce nom.");
    EXPECT_EQ(fenetre.messages[0].titre, "Erreur de création de sommet");
}

TEST_F(Magasin, AjouterSommet_coupeUnNomTropLongA19Octets)
{
    g.AjouterSommet("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0, 0);
    EXPECT_EQ(std::string(g.PremierSommet()->nom), "ABCDEFGHIJKLMNOPQRS");
}

TEST_F(Magasin, Numeros_melangentNumerosEtPositions)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    EXPECT_EQ(g.NumeroSommet("A"), 0);
    EXPECT_EQ(g.NumeroSommet("B"), 1);
    EXPECT_EQ(g.NumeroSommet("Z"), -1);
    g.ChercherSommet("A")->valeur = 1;
    g.ChercherSommet("B")->valeur = 2;
    g.AjouterSommet("C", 0, 0);
    EXPECT_EQ(g.NumeroSommet("A"), 1);
    EXPECT_EQ(g.NumeroSommet("C"), 2);  // its position, the same as B's number
    EXPECT_EQ(g.SommetNumero(2), g.ChercherSommet("B"));
    EXPECT_EQ(g.SommetNumero(1), g.ChercherSommet("A"));
    EXPECT_EQ(g.SommetNumero(0), nullptr);
    EXPECT_EQ(g.SommetNumero(7), nullptr);
}

TEST_F(Magasin, SommetNumero_unHomonymeNonNumeroteRepondAvecLeNumeroDuPremier)
{
    // Homonyms only come from files; the second "A" answers to the first one's number.
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.AjouterSommet("C", 0, 0);
    CopierNom(g.ChercherSommet("C")->nom, "A");
    EXPECT_EQ(g.SommetNumero(2), nullptr);
    EXPECT_EQ(g.SommetNumero(0), g.PremierSommet());
}

TEST_F(Magasin, AjouterArc_orienteAjouteUnEnregistrementEnFinDeChaine)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 10, 20);
    g.AjouterArc("A", "B", 5);
    g.AjouterArc("A", "B", 8);
    g.AjouterArc("A", "A", 1);
    EXPECT_EQ(g.NbArcs(), 3);
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:5", "B:8", "A:1"}));
    const Arc* arc = g.ChercherArc("A", "B");
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->valeur, 5);  // the older of the parallel arcs
    EXPECT_EQ(arc->x, 10);
    EXPECT_EQ(arc->y, 20);
    EXPECT_TRUE(g.ExisteArc("A", "A"));
    EXPECT_FALSE(g.ExisteArc("B", "A"));
}

TEST_F(Magasin, AjouterArc_nonOrienteAjouteLesDeuxSensEtDeuxFoisUneBoucle)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.AjouterArc("A", "B", 5);
    g.AjouterArc("A", "A", 2);
    EXPECT_EQ(g.NbArcs(), 4);
    EXPECT_FALSE(g.Oriente());
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:5", "A:2", "A:2"}));
    EXPECT_EQ(Chaine(g, "B"), (Noms{"A:5"}));
    EXPECT_EQ(g.DemiDegreExterieur("A"), 3);
    EXPECT_EQ(g.DemiDegreInterieur("A"), 3);
    EXPECT_EQ(g.Degre("B"), 2);
}

TEST_F(Magasin, AjouterArc_versUnSommetAbsentNeLaisseAucunDemiArc)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 0, 0);
    g.AjouterArc("A", "Z", 1);
    g.AjouterArc("Z", "A", 1);
    EXPECT_EQ(g.NbArcs(), 0);
    EXPECT_TRUE(Chaine(g, "A").empty());
    ASSERT_EQ(fenetre.messages.size(), 2u);
    EXPECT_EQ(fenetre.messages[0].texte,
              "L'arc ne peut être inséré car il fait réference à des sommets qui n'existent pas.");
    EXPECT_EQ(fenetre.messages[0].titre, "Insertion impossible");
}

TEST_F(Magasin, SupprimerSommet_retireSaChaineEtTousLesArcsEntrants)
{
    for (const char* nom : {"A", "B", "C"})
        g.AjouterSommet(nom, 0, 0);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("B", "A", 2);
    g.AjouterArc("B", "B", 3);
    g.AjouterArc("C", "B", 4);
    g.AjouterArc("C", "B", 5);
    g.AjouterArc("C", "A", 6);
    g.SupprimerSommet("B");
    EXPECT_EQ(NomsSommets(g), (Noms{"A", "C"}));
    EXPECT_EQ(g.NbSommets(), 2);
    EXPECT_EQ(g.NbArcs(), 1);
    EXPECT_EQ(Chaine(g, "C"), (Noms{"A:6"}));
    EXPECT_TRUE(Chaine(g, "A").empty());
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(Magasin, SupprimerSommet_teteSeulEtNomDuRecordLuiMeme)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.SupprimerSommet(g.PremierSommet()->nom);  // the record's own name field
    EXPECT_EQ(NomsSommets(g), (Noms{"B"}));
    g.SupprimerSommet("B");
    EXPECT_EQ(g.PremierSommet(), nullptr);
    EXPECT_EQ(g.NbSommets(), 0);
    g.SupprimerSommet("B");
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte, "Le sommet que vous voulez effacer, n'existe pas.");
    EXPECT_EQ(fenetre.messages[0].titre, "Effacement impossible");
}

TEST_F(Magasin, SupprimerSommet_oublieLEtatDEditionQuiLeDesigne)
{
    g.AjouterSommet("A", 0, 0);
    e.OnMouseDown(false, true, 0, 0);  // its menu, closed without a choice
    e.OnMouseDown(true, false, 0, 0);
    ASSERT_EQ(e.SommetCible(), g.PremierSommet());
    ASSERT_EQ(e.SommetOrigineArc(), g.PremierSommet());
    g.SupprimerSommet("A");
    EXPECT_EQ(e.SommetCible(), nullptr);
    EXPECT_EQ(e.SommetOrigineArc(), nullptr);
}

TEST_F(Magasin, SupprimerArc_retireLesParallelesEtLesDeuxSensSiNonOriente)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("A", "B", 2);
    g.AjouterArc("B", "A", 3);
    g.SupprimerArc("A", "B");
    EXPECT_EQ(g.NbArcs(), 1);
    EXPECT_EQ(Chaine(g, "B"), (Noms{"A:3"}));

    FauxServices autre;
    TGraphe h(autre);
    h.FixerOriente(false);
    h.AjouterSommet("A", 0, 0);
    h.AjouterSommet("B", 0, 0);
    h.AjouterArc("A", "B", 4);
    h.SupprimerArc("B", "A");
    EXPECT_EQ(h.NbArcs(), 0);
    EXPECT_FALSE(h.Oriente());
}

TEST_F(Magasin, SupprimerArc_silencieuxSansArcMaisSignaleUnSommetAbsent)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.SupprimerArc("A", "B");
    EXPECT_TRUE(fenetre.messages.empty());
    g.SupprimerArc("A", "Z");
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte, "L'arc que vous voulez effacer, n'existe pas.");
    EXPECT_EQ(fenetre.messages[0].titre, "Effacement impossible");
}

TEST_F(Magasin, Degres_dUnNomInconnu)
{
    EXPECT_EQ(g.DemiDegreExterieur("Z"), -1);
    EXPECT_EQ(g.DemiDegreInterieur("Z"), -1);
    EXPECT_EQ(g.Degre("Z"), -2);
}

TEST_F(Magasin, AjusterFenetre_cinquanteAuDelaDesCoordonneesPositives)
{
    g.AjusterFenetre();
    g.AjouterSommet("A", 120, 40);
    g.AjouterSommet("B", 300, 200);
    g.AjouterSommet("C", -500, -500);
    g.AjusterFenetre();
    g.AjouterSommet("D", INT32_MAX, 0);
    g.AjusterFenetre();
    ASSERT_EQ(fenetre.tailles.size(), 3u);
    EXPECT_EQ(fenetre.tailles[0], std::make_pair(50, 50));
    EXPECT_EQ(fenetre.tailles[1], std::make_pair(350, 250));
    EXPECT_EQ(fenetre.tailles[2], std::make_pair(INT32_MAX, 250));
    EXPECT_EQ(fenetre.redessins, 3);
}

TEST_F(Magasin, InverserPoids_deuxFoisRestaureEtNeToucheJamaisAuxNumeros)
{
    g.AjouterSommet("A", 0, 0);
    g.AjouterSommet("B", 0, 0);
    g.PremierSommet()->valeur = 4;
    g.AjouterArc("A", "B", 5);
    g.AjouterArc("B", "A", -3);
    g.InverserPoids();
    EXPECT_TRUE(g.PoidsInverses());
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:-5"}));
    EXPECT_EQ(Chaine(g, "B"), (Noms{"A:3"}));
    EXPECT_EQ(g.PremierSommet()->valeur, 4);
    g.InverserPoids();
    EXPECT_FALSE(g.PoidsInverses());
    EXPECT_EQ(Chaine(g, "A"), (Noms{"B:5"}));
}

TEST(MagasinReferences, LeConstructeurAvecReferencesSuitLeCadre)
{
    FauxServices fenetre;
    int gauche = 10;
    int haut = 20;
    TGraphe g(fenetre);
    EditionGraphe e(g, gauche, haut);
    gauche = 30;
    EXPECT_EQ(e.RefGauche(), 30);
    EXPECT_EQ(e.RefHaut(), 20);
}

}  // namespace

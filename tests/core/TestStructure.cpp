#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"

#include <gtest/gtest.h>

namespace {

struct Structure : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
};

TEST_F(Structure, Composantes_nonOrienteTroisMorceaux)
{
    g.FixerOriente(false);
    Construire(g, "A B C D E", "A>B C>D");
    EXPECT_EQ(g.NbComposantesConnexes(), 3);
    EXPECT_FALSE(g.EstConnexe());
    for (const Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant)
        EXPECT_TRUE(s->marque) << s->nom << " left unmarked";
}

TEST_F(Structure, Connexite_remonteLesArcsEntrants)
{
    Construire(g, "A B C", "A>B C>B");
    EXPECT_EQ(g.NbComposantesConnexes(), 1);
    EXPECT_EQ(g.NbComposantesFortementConnexes(), 3);
}

// The list order must not matter, nor reaching every vertex from the first.
TEST_F(Structure, ForteConnexite_composantesQuelQueSoitLOrdreDeLaListe)
{
    for (const char* ordre : {"A B C", "A C B", "B A C", "B C A", "C A B", "C B A"}) {
        TGraphe chaine{fenetre};
        Construire(chaine, ordre, "A>B B>C");
        EXPECT_EQ(chaine.NbComposantesFortementConnexes(), 3) << ordre;
        EXPECT_FALSE(chaine.EstFortementConnexe()) << ordre;
        EXPECT_TRUE(chaine.EstConnexe()) << ordre;
        for (const Sommet* s = chaine.premierSommet; s != nullptr; s = s->sommetSuivant)
            EXPECT_TRUE(s->marque) << ordre << ": " << s->nom << " left unmarked";

        TGraphe cycle{fenetre};
        Construire(cycle, ordre, "A>B B>C C>A");
        EXPECT_TRUE(cycle.EstFortementConnexe()) << ordre;
    }
    Construire(g, "A B C D", "A>B B>A B>C C>D D>C");
    EXPECT_EQ(g.NbComposantesFortementConnexes(), 2);
}

// 200000 vertices in one circuit: a recursive search would overflow the stack.
TEST_F(Structure, ForteConnexite_longueChaineSansDebordementDePile)
{
    ConstruireGrand(g, 200000, 0, false, 25);
    for (Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
        s->arcSuivant = new Arc;
        CopierNom(s->arcSuivant->nom, (s->sommetSuivant != nullptr ? s->sommetSuivant : g.premierSommet)->nom);
        ++g.nbArcs;
    }
    EXPECT_EQ(g.NbComposantesFortementConnexes(), 1);
}

TEST_F(Structure, GrapheVide_connexeEulerienNiArbreNiArborescence)
{
    EXPECT_EQ(g.NbComposantesConnexes(), 1);
    EXPECT_EQ(g.NbComposantesFortementConnexes(), 1);
    EXPECT_TRUE(g.EstConnexe());
    EXPECT_FALSE(g.EstArbre());
    EXPECT_FALSE(g.EstArborescence());
    EXPECT_TRUE(g.EstEulerien());
}

TEST_F(Structure, SommetSeul_connexeEulerienMaisPasUnArbre)
{
    Construire(g, "A");
    EXPECT_TRUE(g.EstConnexe());
    EXPECT_TRUE(g.EstEulerien());
    EXPECT_FALSE(g.EstArbre());
    EXPECT_FALSE(g.EstArborescence());
}

TEST_F(Structure, Arborescence_racineOuQuElleSoitDansLaListe)
{
    for (const char* ordre : {"A B C", "A C B", "B A C", "B C A", "C A B", "C B A"}) {
        TGraphe fourche{fenetre};
        Construire(fourche, ordre, "A>B A>C");
        EXPECT_TRUE(fourche.EstArborescence()) << ordre;

        TGraphe deuxSources{fenetre};
        Construire(deuxSources, ordre, "A>B C>B");
        EXPECT_TRUE(deuxSources.EstArbre()) << ordre;
        EXPECT_FALSE(deuxSources.EstArborescence()) << ordre;
    }
}

TEST_F(Structure, Arbre_nonOrienteCompteLesAretes)
{
    g.FixerOriente(false);
    Construire(g, "A B C", "A>B B>C");
    EXPECT_EQ(g.nbArcs, 4);
    EXPECT_TRUE(g.EstArbre());
    EXPECT_TRUE(g.EstArborescence());
    g.AjouterArc("C", "A", 1);
    EXPECT_FALSE(g.EstArbre());
}

TEST_F(Structure, Arbre_refuseLeBonNombreDArcsSansConnexite)
{
    Construire(g, "A B C", "A>B A>B");
    EXPECT_FALSE(g.EstArbre());
    TGraphe cycleEtIsole{fenetre};
    Construire(cycleEtIsole, "A B C D", "A>B B>C C>A");
    EXPECT_FALSE(cycleEtIsole.EstArbre());
}

TEST_F(Structure, Eulerien_orienteCompteLesDeuxExtremites)
{
    Construire(g, "A B C", "A>B B>C C>A");
    EXPECT_TRUE(g.EstEulerien());
    g.AjouterArc("C", "B", 1);
    EXPECT_FALSE(g.EstEulerien());

    TGraphe allerRetour{fenetre};
    Construire(allerRetour, "A B", "A>B B>A");
    EXPECT_TRUE(allerRetour.EstEulerien());

    TGraphe boucle{fenetre};
    Construire(boucle, "A B", "A>A A>B B>A");
    EXPECT_TRUE(boucle.EstEulerien()) << "a loop adds 2";

    TGraphe deuxMorceaux{fenetre};
    Construire(deuxMorceaux, "A B C D", "A>B B>A C>D D>C");
    EXPECT_FALSE(deuxMorceaux.EstEulerien()) << "even degrees but not connected";
}

TEST_F(Structure, Eulerien_nonOrienteCompteChaqueAreteUneFois)
{
    g.FixerOriente(false);
    Construire(g, "A B C", "A>B B>C");
    EXPECT_TRUE(g.EstConnexe());
    EXPECT_FALSE(g.EstEulerien()) << "A and C have one edge each";
    g.AjouterArc("C", "A", 1);
    EXPECT_TRUE(g.EstEulerien());

    TGraphe boucle{fenetre};
    boucle.FixerOriente(false);
    Construire(boucle, "A B", "A>B A>A");
    EXPECT_EQ(boucle.DegreEulerien(boucle.DemiDegreInterieur("A"), boucle.DemiDegreExterieur("A")), 3);
    EXPECT_FALSE(boucle.EstEulerien());
    boucle.AjouterArc("A", "B", 1);
    EXPECT_TRUE(boucle.EstEulerien()) << "a loop counts 2, two parallel edges 1 each";
}

TEST_F(Structure, Tests_nechangentQueLesMarques)
{
    Construire(g, "A B C", "A>B A>C");
    ExecuterCommande(g, Commande::NumerotationTopologique);
    const int redessinsAvant = fenetre.redessins;
    for (Commande c : {Commande::Connexite, Commande::ForteConnexite, Commande::Arbre, Commande::Arborescence,
                       Commande::Eulerien})
        ExecuterCommande(g, c);
    EXPECT_EQ(Etiquettes(g), "A[1] B[2] C[3]");
    EXPECT_EQ(g.nbArcs, 2);
    EXPECT_EQ(fenetre.redessins, redessinsAvant);
}

TEST(CommandesDetection, MessagesEtTitresExactsSansRedessin)
{
    struct Cas {
        Commande commande;
        const char* arcsOui;  // on "A B"; "A B C" with A>B answers no to all
        const char* oui;
        const char* non;
        const char* titre;
    };
    const Cas tous[] = {
        {Commande::Connexite, "A>B", "Le graphe est connexe.", "Le graphe n'est pas connexe.",
         "Détermination de la connexité"},
        {Commande::ForteConnexite, "A>B B>A", "Le graphe est fortement connexe.", "Le graphe n'est pas fortement connexe.",
         "Détermination de la forte connexité"},
        {Commande::Arbre, "A>B", "Le graphe est un arbre.", "Le graphe n'est pas un arbre.", "Reconnaissance d'arbre"},
        {Commande::Arborescence, "A>B", "Le graphe est une arborescence", "Le graphe n'est pas une arborescence",
         "Reconnaissance d'arborescence"},
        {Commande::Eulerien, "A>B B>A", "Le graphe est eulérien.", "Le graphe n'est pas eulérien.",
         "Détermination de la contenance d'un cycle eulérien"},
    };
    for (const Cas& cas : tous) {
        FauxServices fenetre;
        TGraphe oui{fenetre};
        Construire(oui, "A B", cas.arcsOui);
        ExecuterCommande(oui, cas.commande);
        TGraphe non{fenetre};
        Construire(non, "A B C", "A>B");
        ExecuterCommande(non, cas.commande);
        ASSERT_EQ(fenetre.messages.size(), 2u) << cas.titre;
        EXPECT_EQ(fenetre.messages[0].texte, cas.oui);
        EXPECT_EQ(fenetre.messages[1].texte, cas.non);
        EXPECT_EQ(fenetre.messages[0].titre, cas.titre);
        EXPECT_EQ(fenetre.messages[1].titre, cas.titre);
        EXPECT_EQ(fenetre.redessins, 0) << cas.titre;
    }
}

}  // namespace

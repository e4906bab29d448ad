#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"
#include "algorithms/Structure.h"

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
    EXPECT_EQ(NbComposantesConnexes(g), 3);
    EXPECT_FALSE(EstConnexe(g));
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        EXPECT_TRUE(s->marque) << s->nom << " left unmarked";
}

TEST_F(Structure, Connexite_remonteLesArcsEntrants)
{
    Construire(g, "A B C", "A>B C>B");
    EXPECT_EQ(NbComposantesConnexes(g), 1);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 3);
}

// The list order must not matter, nor reaching every vertex from the first.
TEST_F(Structure, ForteConnexite_composantesQuelQueSoitLOrdreDeLaListe)
{
    for (const char* ordre : {"A B C", "A C B", "B A C", "B C A", "C A B", "C B A"}) {
        TGraphe chaine{fenetre};
        Construire(chaine, ordre, "A>B B>C");
        EXPECT_EQ(NbComposantesFortementConnexes(chaine), 3) << ordre;
        EXPECT_FALSE(EstFortementConnexe(chaine)) << ordre;
        EXPECT_TRUE(EstConnexe(chaine)) << ordre;
        for (const Sommet* s = chaine.PremierSommet(); s != nullptr; s = s->sommetSuivant)
            EXPECT_TRUE(s->marque) << ordre << ": " << s->nom << " left unmarked";

        TGraphe cycle{fenetre};
        Construire(cycle, ordre, "A>B B>C C>A");
        EXPECT_TRUE(EstFortementConnexe(cycle)) << ordre;
    }
    Construire(g, "A B C D", "A>B B>A B>C C>D D>C");
    EXPECT_EQ(NbComposantesFortementConnexes(g), 2);
}

// 200000 vertices in one circuit: a recursive search would overflow the stack.
TEST_F(Structure, ForteConnexite_longueChaineSansDebordementDePile)
{
    constexpr int n = 200000;
    GrapheGenere cercle;
    for (int i = 0; i < n; ++i) {
        cercle.noms.push_back("S" + std::to_string(i));
        cercle.positions.emplace_back(0, 0);
        cercle.sortants.push_back({{(i + 1) % n, 1}});
    }
    Remplir(g, cercle);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 1);
}

TEST_F(Structure, GrapheVide_connexeEulerienNiArbreNiArborescence)
{
    EXPECT_EQ(NbComposantesConnexes(g), 1);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 1);
    EXPECT_TRUE(EstConnexe(g));
    EXPECT_FALSE(EstArbre(g));
    EXPECT_FALSE(EstArborescence(g));
    EXPECT_TRUE(EstEulerien(g));
}

TEST_F(Structure, SommetSeul_connexeEulerienMaisPasUnArbre)
{
    Construire(g, "A");
    EXPECT_TRUE(EstConnexe(g));
    EXPECT_TRUE(EstEulerien(g));
    EXPECT_FALSE(EstArbre(g));
    EXPECT_FALSE(EstArborescence(g));
}

TEST_F(Structure, Arborescence_racineOuQuElleSoitDansLaListe)
{
    for (const char* ordre : {"A B C", "A C B", "B A C", "B C A", "C A B", "C B A"}) {
        TGraphe fourche{fenetre};
        Construire(fourche, ordre, "A>B A>C");
        EXPECT_TRUE(EstArborescence(fourche)) << ordre;

        TGraphe deuxSources{fenetre};
        Construire(deuxSources, ordre, "A>B C>B");
        EXPECT_TRUE(EstArbre(deuxSources)) << ordre;
        EXPECT_FALSE(EstArborescence(deuxSources)) << ordre;
    }
}

TEST_F(Structure, Arbre_nonOrienteCompteLesAretes)
{
    g.FixerOriente(false);
    Construire(g, "A B C", "A>B B>C");
    EXPECT_EQ(g.NbArcs(), 4);
    EXPECT_TRUE(EstArbre(g));
    EXPECT_TRUE(EstArborescence(g));
    g.AjouterArc("C", "A", 1);
    EXPECT_FALSE(EstArbre(g));
}

TEST_F(Structure, Arbre_refuseLeBonNombreDArcsSansConnexite)
{
    Construire(g, "A B C", "A>B A>B");
    EXPECT_FALSE(EstArbre(g));
    TGraphe cycleEtIsole{fenetre};
    Construire(cycleEtIsole, "A B C D", "A>B B>C C>A");
    EXPECT_FALSE(EstArbre(cycleEtIsole));
}

TEST_F(Structure, Eulerien_orienteCompteLesDeuxExtremites)
{
    Construire(g, "A B C", "A>B B>C C>A");
    EXPECT_TRUE(EstEulerien(g));
    g.AjouterArc("C", "B", 1);
    EXPECT_FALSE(EstEulerien(g));

    TGraphe allerRetour{fenetre};
    Construire(allerRetour, "A B", "A>B B>A");
    EXPECT_TRUE(EstEulerien(allerRetour));

    TGraphe boucle{fenetre};
    Construire(boucle, "A B", "A>A A>B B>A");
    EXPECT_TRUE(EstEulerien(boucle)) << "a loop adds 2";

    TGraphe deuxMorceaux{fenetre};
    Construire(deuxMorceaux, "A B C D", "A>B B>A C>D D>C");
    EXPECT_FALSE(EstEulerien(deuxMorceaux)) << "even degrees but not connected";
}

TEST_F(Structure, Eulerien_nonOrienteCompteChaqueAreteUneFois)
{
    g.FixerOriente(false);
    Construire(g, "A B C", "A>B B>C");
    EXPECT_TRUE(EstConnexe(g));
    EXPECT_FALSE(EstEulerien(g)) << "A and C have one edge each";
    g.AjouterArc("C", "A", 1);
    EXPECT_TRUE(EstEulerien(g));

    TGraphe boucle{fenetre};
    boucle.FixerOriente(false);
    Construire(boucle, "A B", "A>B A>A");
    EXPECT_EQ(DegreEulerien(boucle, boucle.DemiDegreInterieur("A"), boucle.DemiDegreExterieur("A")), 3);
    EXPECT_FALSE(EstEulerien(boucle));
    boucle.AjouterArc("A", "B", 1);
    EXPECT_TRUE(EstEulerien(boucle)) << "a loop counts 2, two parallel edges 1 each";
}

TEST_F(Structure, Tests_nechangentQueLesMarques)
{
    Construire(g, "A B C", "A>B A>C");
    ExecuterCommande(g, Commande::NumerotationTopologique);
    const int redessinsAvant = fenetre.redessins;
    for (Commande c :
         {Commande::Connexite, Commande::ForteConnexite, Commande::Arbre, Commande::Arborescence, Commande::Eulerien})
        ExecuterCommande(g, c);
    EXPECT_EQ(Etiquettes(g), "A[1] B[2] C[3]");
    EXPECT_EQ(g.NbArcs(), 2);
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
        {Commande::ForteConnexite, "A>B B>A", "Le graphe est fortement connexe.",
         "Le graphe n'est pas fortement connexe.", "Détermination de la forte connexité"},
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

#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"
#include "algorithms/Numerotation.h"

#include <gtest/gtest.h>

namespace {

struct Numerotation : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};

    // Numbers the graph and returns the labels the drawing would show.
    std::string Numeroter()
    {
        NumerotationTopologique(g);
        return Etiquettes(g);
    }
};

TEST_F(Numerotation, SourcesDAbordPuisOrdreDuDernierArcConsomme)
{
    Construire(g, "A B C", "A>B A>C B>C");
    EXPECT_EQ(NumerotationTopologique(g), 4);
    EXPECT_EQ(Etiquettes(g), "A[1] B[2] C[3]");
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        EXPECT_EQ(s->compteur, 0) << s->nom;
}

TEST_F(Numerotation, OrdreDeLaListeSansEffetHorsDesEgalites)
{
    Construire(g, "C B A", "A>B B>C");
    EXPECT_EQ(Numeroter(), "C[3] B[2] A[1]");
}

TEST_F(Numerotation, SommetNumeroteEnEntrantDansLaFile)
{
    // Z enters the queue when Y's arc is consumed, after X and Y were numbered.
    Construire(g, "Z X Y", "X>Z Y>Z");
    EXPECT_EQ(Numeroter(), "Z[3] X[1] Y[2]");
    // With D freed by A's arcs before B is processed, D precedes B's successor.
    TGraphe h{fenetre};
    Construire(h, "A B C D", "A>B A>D B>C");
    NumerotationTopologique(h);
    EXPECT_EQ(Etiquettes(h), "A[1] B[2] C[4] D[3]");
}

TEST_F(Numerotation, CircuitsLaissentSansNumeroCeQuIlsAtteignent)
{
    Construire(g, "A B C", "A>B B>A B>C");
    EXPECT_EQ(NumerotationTopologique(g), 1);
    EXPECT_EQ(Etiquettes(g), "A B C");

    TGraphe h{fenetre};
    Construire(h, "A B C", "A>B B>C C>B");
    EXPECT_EQ(NumerotationTopologique(h), 2);
    EXPECT_EQ(Etiquettes(h), "A[1] B C");
    EXPECT_EQ(h.ChercherSommet("B")->compteur, 1) << "B's arc from C is never consumed";
}

TEST_F(Numerotation, BoucleBloqueSonSommetEtSesSuccesseurs)
{
    Construire(g, "A B", "A>A A>B");
    EXPECT_EQ(Numeroter(), "A B");
}

TEST_F(Numerotation, ArcsParallelesConsommesChacun)
{
    Construire(g, "A B", "A>B A>B");
    EXPECT_EQ(g.ChercherSommet("B")->compteur, 0);
    EXPECT_EQ(Numeroter(), "A[1] B[2]");
}

TEST_F(Numerotation, NonOriente_seulsLesSommetsIsolesNumerotes)
{
    g.FixerOriente(false);
    Construire(g, "A B C", "A>B");
    EXPECT_EQ(Numeroter(), "A B C[1]");
    EXPECT_FALSE(SansCircuit(g));
}

TEST_F(Numerotation, GrapheVide)
{
    EXPECT_EQ(NumerotationTopologique(g), 1);
    EXPECT_TRUE(SansCircuit(g));
}

TEST_F(Numerotation, RenumeroteSansTenirCompteDesAnciensNumeros)
{
    Construire(g, "A B", "B>A");
    g.ChercherSommet("A")->valeur = 7;
    g.ChercherSommet("B")->compteur = 5;
    EXPECT_EQ(Numeroter(), "A[2] B[1]");
}

TEST_F(Numerotation, SansCircuit_effaceTousLesNumeros)
{
    Construire(g, "A B C D", "A>B B>C");
    g.ChercherSommet("D")->valeur = 9;
    EXPECT_TRUE(SansCircuit(g));
    EXPECT_EQ(Etiquettes(g), "A B C D");

    g.AjouterArc("C", "A", 1);
    EXPECT_FALSE(SansCircuit(g));
    EXPECT_EQ(Etiquettes(g), "A B C D");
}

TEST_F(Numerotation, CommandeNumerotation_redessineSansMessage)
{
    Construire(g, "A B", "A>B");
    ExecuterCommande(g, Commande::NumerotationTopologique);
    EXPECT_EQ(Etiquettes(g), "A[1] B[2]");
    EXPECT_EQ(fenetre.redessins, 1);
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(Numerotation, CommandeCircuit_annonceLeResultatPuisRedessineSansNumeros)
{
    Construire(g, "A B", "A>B");
    ExecuterCommande(g, Commande::NumerotationTopologique);
    ExecuterCommande(g, Commande::Circuit);
    EXPECT_EQ(Etiquettes(g), "A B");
    g.AjouterArc("B", "A", 1);
    ExecuterCommande(g, Commande::Circuit);

    ASSERT_EQ(fenetre.messages.size(), 2u);
    EXPECT_EQ(fenetre.messages[0].texte, "Le graphe ne possède pas de circuit");
    EXPECT_EQ(fenetre.messages[1].texte, "Le graphe possède un ou plusieurs circuits");
    for (const auto& message : fenetre.messages)
        EXPECT_EQ(message.titre, "Détection de circuit");
    EXPECT_EQ(fenetre.redessins, 3);
}

}  // namespace

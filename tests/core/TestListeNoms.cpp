#include "model/ListeNoms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Drains the list the way the algorithms do: Premier, then Retirer it.
std::vector<std::string> Vider(ListeNoms& liste)
{
    std::vector<std::string> ordre;
    char tampon[kTailleNom];
    while (!liste.EstVide()) {
        liste.Premier(tampon);
        ordre.emplace_back(tampon);
        liste.Retirer(tampon);
    }
    return ordre;
}

using Noms = std::vector<std::string>;

TEST(ListeNoms, FileDAttente_ordreDArriveeEtNombre)
{
    ListeNoms liste;
    for (const char* nom : {"A", "B", "C"})
        liste.Inserer(nom);
    EXPECT_EQ(liste.Nombre(), 3);
    char tampon[kTailleNom];
    liste.Premier(tampon);
    EXPECT_STREQ(tampon, "A");
    liste.Retirer("A");
    EXPECT_EQ(liste.Nombre(), 2);
    liste.Premier(tampon);
    EXPECT_STREQ(tampon, "B");
}

TEST(ListeNoms, Doublons_ignoresQuelleQueSoitLeurPlace)
{
    ListeNoms liste;
    for (const char* nom : {"A", "B", "C", "A", "B", "C"})
        liste.Inserer(nom);
    EXPECT_EQ(liste.Nombre(), 3);
    EXPECT_EQ(Vider(liste), (Noms{"A", "B", "C"}));
}

TEST(ListeNoms, RetraitDuMilieuEtNomAbsent_gardentLOrdre)
{
    ListeNoms liste;
    for (const char* nom : {"A", "B", "C"})
        liste.Inserer(nom);
    liste.Retirer("Z");
    liste.Retirer("");
    EXPECT_EQ(liste.Nombre(), 3);
    liste.Retirer("B");
    EXPECT_EQ(Vider(liste), (Noms{"A", "C"}));
    liste.Retirer("C");
    EXPECT_EQ(liste.Nombre(), 0);
}

TEST(ListeNoms, ListeVide_nomVideToujoursContenu)
{
    ListeNoms liste;
    char tampon[kTailleNom] = "garbage";
    liste.Premier(tampon);
    EXPECT_STREQ(tampon, "");
    EXPECT_TRUE(liste.EstVide());
    EXPECT_TRUE(liste.Contient(""));
    EXPECT_FALSE(liste.Contient("A"));
    liste.Inserer("");
    EXPECT_TRUE(liste.EstVide());
}

TEST(ListeNoms, ReremplieApresVidage_commeNeuve)
{
    ListeNoms liste;
    liste.Inserer("A");
    Vider(liste);
    liste.Inserer("B");
    liste.Inserer("A");
    EXPECT_TRUE(liste.Contient("A"));
    EXPECT_EQ(Vider(liste), (Noms{"B", "A"}));
}

TEST(ListeNoms, EnregistrementAuLieuDUnNom)
{
    ListeNoms liste;
    Sommet sommet;
    CopierNom(sommet.nom, "S");
    liste.Inserer(sommet);
    EXPECT_TRUE(liste.Contient("S"));
    EXPECT_TRUE(liste.Contient(sommet));
    liste.Retirer(sommet);
    EXPECT_TRUE(liste.EstVide());
}

}  // namespace

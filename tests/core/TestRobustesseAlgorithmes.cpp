#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "model/FormatGff.h"
#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An oriented ".gff" file written byte by byte, as no editing command would
// produce it: homonyms and arcs to names no vertex bears.
class FichierFabrique {
public:
    explicit FichierFabrique(int32_t nbSommets, int32_t nbArcs)
        : octets(gff::kSignature, gff::kSignature + gff::kTailleSignature)
    {
        gff::AjouterEntier(octets, nbSommets);
        gff::AjouterEntier(octets, nbArcs);
        octets.push_back(1);
        gff::AjouterTexte(octets, "", gff::kTailleChemin);
    }
    void Sommet_(const char* nom, std::initializer_list<const char*> cibles)
    {
        gff::AjouterEntier(octets, int32_t(cibles.size()));
        Ajouter(nom);
        for (const char* cible : cibles)
            Ajouter(cible);
    }
    // Loads the bytes into `g` through a temporary file.
    void Charger(TGraphe& g) const
    {
        char modele[] = "/tmp/quorvalent-algo-XXXXXX";
        const int descripteur = mkstemp(modele);
        ASSERT_GE(descripteur, 0);
        close(descripteur);
        std::ofstream(modele, std::ios::binary)
            .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
        g.Charger(modele);
        fs::remove(modele);
    }

private:
    std::vector<unsigned char> octets;
    void Ajouter(const char* nom)
    {
        Sommet enregistrement;
        CopierNom(enregistrement.nom, nom);
        gff::AjouterEnregistrement(octets, enregistrement);
    }
};

struct Robustesse : ::testing::Test {
    FauxServices fenetre;
    TGraphe g{fenetre};
};

TEST_F(Robustesse, FichierAvecHomonymesEtArcPendant_premierPorteurRepondAuNom)
{
    FichierFabrique fichier(4, 4);
    fichier.Sommet_("A", {"B", "Fantome"});
    fichier.Sommet_("B", {"C"});
    fichier.Sommet_("A", {"C"});
    fichier.Sommet_("C", {});
    fichier.Charger(g);
    ASSERT_TRUE(fenetre.messages.empty());
    ASSERT_EQ(g.NbSommets(), 4);

    // The second A is a source too, but its arc to C is never consumed: only
    // the first A's chain stands for the name.
    EXPECT_EQ(NumerotationTopologique(g), 4);
    EXPECT_EQ(Etiquettes(g), "A[1] B[3] A[2] C");
    EXPECT_FALSE(SansCircuit(g));

    EXPECT_EQ(NbComposantesConnexes(g), 1);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 4) << "nothing leads back: each vertex is a class of its own";
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        EXPECT_TRUE(s->marque);
}

TEST_F(Robustesse, HomonymeMarqueSansEntrerDansLaFile_parcoursSeTermine)
{
    // Both A's have an arc into X (by name), so both are marked while the
    // name A is already queued: one vertex fewer is processed than counted.
    FichierFabrique fichier(3, 1);
    fichier.Sommet_("X", {});
    fichier.Sommet_("A", {"X"});
    fichier.Sommet_("A", {});
    fichier.Charger(g);
    EXPECT_EQ(NbComposantesConnexes(g), 1);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 3);
    EXPECT_FALSE(EstEulerien(g));
}

TEST_F(Robustesse, ArcsPendants_niSuivisNiComptesEntrants)
{
    Construire(g, "A B C", "A>B B>C C>A");
    g.ChercherArc("C", "A")->nom[0] = 'Z';
    EXPECT_EQ(NumerotationTopologique(g), 4);
    EXPECT_EQ(Etiquettes(g), "A[1] B[2] C[3]");
    EXPECT_TRUE(SansCircuit(g));
    EXPECT_EQ(NbComposantesFortementConnexes(g), 3);
    EXPECT_TRUE(EstConnexe(g));
}

// The store keeps its count exact; a file's homonym is what leaves the count
// above the names the traversal can process.
TEST_F(Robustesse, CompteDeSommetsAuDelaDesNoms_parcoursSeTermine)
{
    Construire(g, "A B", "A>B");
    g.AccrocherSommet(g.ChercherSommet("B"), "B", 0, 0);
    EXPECT_EQ(NbComposantesConnexes(g), 2);
    EXPECT_EQ(NbComposantesFortementConnexes(g), 3)
        << "nothing leads back: each vertex, the homonym too, is a class of its own";
}

TEST_F(Robustesse, SommetAuNomVide_parcoursEtNumerotationSeTerminent)
{
    FichierFabrique fichier(3, 2);
    fichier.Sommet_("", {"B"});
    fichier.Sommet_("B", {""});
    fichier.Sommet_("C", {});
    fichier.Charger(g);
    ASSERT_EQ(g.NbSommets(), 3);
    EXPECT_EQ(NumerotationTopologique(g), 2);
    EXPECT_EQ(Etiquettes(g), " B C[1]");
    // The empty name never enters the queue, so the first vertex costs a
    // restart of its own.
    EXPECT_EQ(NbComposantesConnexes(g), 3);
}

}  // namespace

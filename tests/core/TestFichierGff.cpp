#include "FauxServices.h"
#include "OutilsGraphe.h"
#include "model/FichierVerrouille.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Octets = std::vector<unsigned char>;
using Noms = std::vector<std::string>;

Octets Lire(const fs::path& chemin)
{
    std::ifstream flux(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(flux), {});
}

void Ecrire(const fs::path& chemin, const Octets& octets)
{
    std::ofstream flux(chemin, std::ios::binary | std::ios::trunc);
    flux.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

int32_t Entier(const Octets& o, size_t i)
{
    return int32_t(uint32_t(o[i]) | uint32_t(o[i + 1]) << 8 | uint32_t(o[i + 2]) << 16 | uint32_t(o[i + 3]) << 24);
}

struct FichierGff : ::testing::Test {
    fs::path dossier;
    FauxServices fenetre;
    TGraphe g{fenetre};

    void SetUp() override
    {
        char modele[] = "/tmp/quorvalent-gff-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        dossier = modele;
    }
    void TearDown() override
    {
        fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dossier);
    }
    std::string Chemin(const char* nom) const { return (dossier / nom).string(); }

    // Loads `chemin` into a fresh graph; the scripted window records the rest.
    struct Charge {
        FauxServices fenetre;
        TGraphe g{fenetre};
    };
    std::unique_ptr<Charge> Charger(const std::string& chemin) const
    {
        auto charge = std::make_unique<Charge>();
        charge->g.Charger(chemin);
        return charge;
    }
};

void Exemple(TGraphe& g)
{
    g.AjouterSommet("A", 100, 50);
    g.AjouterSommet("B", 200, 80);
    g.AjouterArc("A", "B", 7);
}

TEST_F(FichierGff, ExempleTravaille_211OctetsAuxPositionsAttendues)
{
    Exemple(g);
    g.FixerNomFichier("C:\\g.gff");
    g.Sauvegarder(Chemin("g.gff"));
    const Octets o = Lire(Chemin("g.gff"));
    ASSERT_EQ(o.size(), 211u);
    EXPECT_EQ(std::string(o.begin(), o.begin() + 18), std::string("Graph File Format\0", 18));
    EXPECT_EQ(Entier(o, 18), 2);
    EXPECT_EQ(Entier(o, 22), 1);
    EXPECT_EQ(o[26], 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&o[27])), "C:\\g.gff");
    EXPECT_EQ(Entier(o, 107), 1);
    EXPECT_EQ(o[111], 'A');
    EXPECT_EQ(Entier(o, 131), 100);
    EXPECT_EQ(Entier(o, 135), 50);
    EXPECT_EQ(Entier(o, 139), 0);
    EXPECT_EQ(o[143], 'B');
    EXPECT_EQ(Entier(o, 163), 200);
    EXPECT_EQ(Entier(o, 167), 80);
    EXPECT_EQ(Entier(o, 171), 7);
    EXPECT_EQ(Entier(o, 175), 0);
    EXPECT_EQ(o[179], 'B');
    // Nothing but zeros after each terminator.
    for (size_t i = 27 + 8; i < 107; ++i)
        EXPECT_EQ(o[i], 0) << "octet " << i;
    EXPECT_TRUE(fenetre.messages.empty());
}

TEST_F(FichierGff, GrapheVide_enteteSeulEtRelectureSansTaille)
{
    g.Sauvegarder(Chemin("vide.gff"));
    EXPECT_EQ(Lire(Chemin("vide.gff")).size(), 107u);
    auto relu = Charger(Chemin("vide.gff"));
    EXPECT_EQ(relu->g.NbSommets(), 0);
    EXPECT_TRUE(relu->fenetre.tailles.empty());
    EXPECT_EQ(relu->fenetre.titre, Chemin("vide.gff")) << "the caption names the file the next save writes";
    EXPECT_TRUE(relu->fenetre.messages.empty());
}

TEST_F(FichierGff, AllerRetour_nonOrienteAvecBouclesEtNumeros)
{
    g.FixerOriente(false);
    g.AjouterSommet("A", 10, 10);
    g.AjouterSommet("\xE9t\xE9", 400, 150);  // "été" in Windows-1252
    g.AjouterSommet("C", -20, 5);
    g.AjouterArc("A", "\xE9t\xE9", -4);
    g.AjouterArc("C", "C", 2);
    g.PremierSommet()->valeur = 3;
    g.FixerNomFichier(Chemin("nonoriente.gff"));
    g.Sauvegarder(g.NomFichier());

    auto relu = Charger(Chemin("nonoriente.gff"));
    const TGraphe& h = relu->g;
    EXPECT_FALSE(h.Oriente());
    EXPECT_EQ(h.NbSommets(), 3);
    EXPECT_EQ(h.NbArcs(), 4);
    EXPECT_EQ(NomsSommets(h), NomsSommets(g));
    for (const char* nom : {"A", "\xE9t\xE9", "C"})
        EXPECT_EQ(Chaine(h, nom), Chaine(g, nom)) << nom;
    EXPECT_EQ(h.PremierSommet()->valeur, 3);
    EXPECT_EQ(h.NomFichier(), Chemin("nonoriente.gff"));
    EXPECT_EQ(relu->fenetre.titre, Chemin("nonoriente.gff"));
    ASSERT_EQ(relu->fenetre.tailles.size(), 1u);
    EXPECT_EQ(relu->fenetre.tailles[0], std::make_pair(450, 200));
}

// Thousands of chains of every length up to 5 put a chain's count at every
// place of the reader's 64 KiB blocks, its last bytes included.
TEST_F(FichierGff, GrandFichier_releEntierEtResauveALOctetPres)
{
    constexpr int kSommets = 6000;
    for (int i = 0; i < kSommets; ++i)
        g.AjouterSommet(("S" + std::to_string(i)).c_str(), i % 900, i / 900);
    for (int i = 0; i < kSommets; ++i) {
        for (int k = 1; k <= (i * 7) % 6; ++k)
            g.AjouterArc(("S" + std::to_string(i)).c_str(), ("S" + std::to_string((i + k * 13) % kSommets)).c_str(), k);
    }
    g.FixerNomFichier(Chemin("grand.gff"));
    ASSERT_TRUE(g.Sauvegarder(g.NomFichier()));
    const Octets ecrit = Lire(Chemin("grand.gff"));
    ASSERT_GT(ecrit.size(), 4 * 65536u);

    auto relu = Charger(Chemin("grand.gff"));
    EXPECT_EQ(relu->g.NbSommets(), g.NbSommets());
    EXPECT_EQ(relu->g.NbArcs(), g.NbArcs());
    ASSERT_TRUE(relu->g.Sauvegarder(Chemin("grand.gff")));
    EXPECT_TRUE(Lire(Chemin("grand.gff")) == ecrit) << "the file read back does not save to the same bytes";
}

TEST_F(FichierGff, Charger_prendLeCheminLuPasCeluiEnregistreDansLeFichier)
{
    // A copy whose stored path names an existing file: saving the copy must
    // leave that file alone.
    Exemple(g);
    const std::string original = Chemin("original.gff");
    g.Sauvegarder(original);
    const Octets avant = Lire(original);
    g.FixerNomFichier(original);
    g.Sauvegarder(Chemin("copie.gff"));
    auto relu = Charger(Chemin("copie.gff"));
    EXPECT_EQ(relu->g.NomFichier(), Chemin("copie.gff"));
    EXPECT_EQ(relu->fenetre.titre, Chemin("copie.gff"));
    relu->g.AjouterSommet("C", 1, 1);
    ASSERT_TRUE(relu->g.Sauvegarder(relu->g.NomFichier()));
    EXPECT_EQ(Lire(original), avant);
    const Octets copie = Lire(Chemin("copie.gff"));
    EXPECT_EQ(std::string(copie.begin() + 27, copie.begin() + 27 + long(Chemin("copie.gff").size())),
              Chemin("copie.gff"))
        << "every save still records where it wrote";
}

TEST_F(FichierGff, CheminLong_jamaisCoupeEtRemplaceParLeCheminDOuverture)
{
    Exemple(g);
    const std::string longNom(120, 'x');
    g.FixerNomFichier("/" + longNom + ".gff");
    g.Sauvegarder(Chemin("long.gff"));
    const Octets o = Lire(Chemin("long.gff"));
    EXPECT_EQ(o[27], 0);  // left empty rather than cut to another path
    auto relu = Charger(Chemin("long.gff"));
    EXPECT_EQ(relu->g.NomFichier(), Chemin("long.gff"));
}

TEST_F(FichierGff, Refus_absentDossierSignatures)
{
    struct Cas {
        const char* fichier;
        Octets contenu;
        const char* titre;
    };
    const Octets signatureSansZero(reinterpret_cast<const unsigned char*>("Graph File FormatX"),
                                   reinterpret_cast<const unsigned char*>("Graph File FormatX") + 18);
    std::vector<Cas> cas = {
        {"court.gff", Octets{'G', 'r', 'a'}, "Format incompatible"},
        {"vide.gff", Octets{}, "Format incompatible"},
        {"sanszero.gff", signatureSansZero, "Format incompatible"},
        {"autre.gff", Octets(200, 'z'), "Format incompatible"},
    };
    for (const Cas& c : cas)
        Ecrire(dossier / c.fichier, c.contenu);
    cas.push_back({"absent.gff", {}, "Fichier introuvable"});
    fs::create_directory(dossier / "dossier.gff");
    cas.push_back({"dossier.gff", {}, "Fichier introuvable"});
    // Neither ends like a file; a FIFO without a writer must not block.
    ASSERT_EQ(::mkfifo(Chemin("fifo.gff").c_str(), 0600), 0);
    cas.push_back({"fifo.gff", {}, "Fichier introuvable"});
    cas.push_back({"/dev/zero", {}, "Fichier introuvable"});

    for (const Cas& c : cas) {
        auto relu = Charger(Chemin(c.fichier));
        ASSERT_EQ(relu->fenetre.messages.size(), 1u) << c.fichier;
        EXPECT_EQ(relu->fenetre.messages[0].titre, c.titre) << c.fichier;
        EXPECT_EQ(relu->g.NbSommets(), 0);
        EXPECT_EQ(relu->g.PremierSommet(), nullptr);
        EXPECT_EQ(relu->fenetre.titre, "");
    }
    auto relu = Charger(Chemin("absent.gff"));
    EXPECT_EQ(relu->fenetre.messages[0].texte, "Le fichier spécifié n'est pas atteignable.");
    relu = Charger(Chemin("autre.gff"));
    EXPECT_EQ(relu->fenetre.messages[0].texte, "Le fichier spécifié n'est pas au format GFF.");
    // Replaced by a FIFO between the check and the opening: still refused.
    EXPECT_FALSE(FichierVerrouille(Chemin("fifo.gff"), FichierVerrouille::Mode::Lecture).Ouvert());
}

TEST_F(FichierGff, Verrou_unFichierEnCoursDEcritureNePeutEtreNiLuNiEcrase)
{
    Exemple(g);
    g.Sauvegarder(Chemin("occupe.gff"));
    const Octets avant = Lire(Chemin("occupe.gff"));
    FichierVerrouille ecrivain(Chemin("occupe.gff"), FichierVerrouille::Mode::Ecriture);
    ASSERT_TRUE(ecrivain.Ouvert());

    auto relu = Charger(Chemin("occupe.gff"));
    ASSERT_EQ(relu->fenetre.messages.size(), 1u);
    EXPECT_EQ(relu->fenetre.messages[0].titre, "Ouverture impossible");
    EXPECT_EQ(relu->fenetre.messages[0].texte,
              "Le fichier spécifié ne peut être ouvert, cela est peut être dû au fait qu'il est déjà "
              "utilisé par un autre programme");

    g.AjouterSommet("C", 0, 0);
    g.Sauvegarder(Chemin("occupe.gff"));
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].titre, "Erreur d'écriture");
    EXPECT_EQ(Lire(Chemin("occupe.gff")), avant);
}

TEST_F(FichierGff, Illisible_ouvertureImpossible)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    Exemple(g);
    g.Sauvegarder(Chemin("secret.gff"));
    fs::permissions(Chemin("secret.gff"), fs::perms::none);
    auto relu = Charger(Chemin("secret.gff"));
    ASSERT_EQ(relu->fenetre.messages.size(), 1u);
    EXPECT_EQ(relu->fenetre.messages[0].titre, "Ouverture impossible");
}

TEST_F(FichierGff, EchecDeSauvegarde_laisseLAncienFichierIntactEtSansResidu)
{
    Exemple(g);
    g.Sauvegarder(Chemin("g.gff"));
    const Octets avant = Lire(Chemin("g.gff"));

    g.Sauvegarder(Chemin("absent/g.gff"));
    g.Sauvegarder(dossier.string());
    ASSERT_EQ(fenetre.messages.size(), 2u);
    const std::string raisons[] = {"« " + Chemin("absent/g.gff") + " » : dossier introuvable.",
                                   "« " + dossier.string() + " » : c'est un dossier."};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(fenetre.messages[i].texte, "Le fichier ne peut être sauvegardé.\nImpossible d'écrire " + raisons[i]);
        EXPECT_EQ(fenetre.messages[i].titre, "Erreur d'écriture");
    }
    if (geteuid() != 0) {
        fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
        g.AjouterSommet("C", 0, 0);
        g.Sauvegarder(Chemin("g.gff"));
        EXPECT_EQ(fenetre.messages.size(), 3u);
        fs::permissions(dossier, fs::perms::owner_all);
    }
    EXPECT_EQ(Lire(Chemin("g.gff")), avant);
    size_t fichiers = 0;
    for ([[maybe_unused]] const auto& entree : fs::directory_iterator(dossier))
        ++fichiers;
    EXPECT_EQ(fichiers, 1u);
}

TEST_F(FichierGff, Tronque_aChaqueOctet_chargeLaPartieLisibleEtResteCoherent)
{
    g.AjouterSommet("A", 10, 10);
    g.AjouterSommet("B", 30, 40);
    g.AjouterSommet("C", 60, 5);
    g.AjouterArc("A", "B", 1);
    g.AjouterArc("A", "C", 2);
    g.AjouterArc("C", "A", 3);
    g.Sauvegarder(Chemin("entier.gff"));
    const Octets entier = Lire(Chemin("entier.gff"));
    ASSERT_EQ(entier.size(), 107u + 3 * 36 + 3 * 32);

    for (size_t taille = 18; taille < entier.size(); ++taille) {
        Ecrire(dossier / "coupe.gff", Octets(entier.begin(), entier.begin() + long(taille)));
        auto relu = Charger(Chemin("coupe.gff"));
        const auto [sommets, arcs] = CompterEnregistrements(relu->g);
        EXPECT_EQ(relu->g.NbSommets(), sommets) << taille;
        EXPECT_EQ(relu->g.NbArcs(), arcs) << taille;
        ASSERT_EQ(relu->fenetre.messages.size(), 1u) << taille;
        EXPECT_EQ(relu->fenetre.messages[0].titre, "Fichier incomplet");
        EXPECT_EQ(relu->fenetre.messages[0].texte,
                  "Le fichier spécifié est incomplet : seule sa partie lisible a été chargée.");
        relu->g.SupprimerSommet("A");  // whatever was read can be edited safely
    }
    // Cut inside the second arc of A: A, B? no: A with its first arc only.
    Ecrire(dossier / "coupe.gff", Octets(entier.begin(), entier.begin() + 107 + 36 + 32 + 10));
    auto relu = Charger(Chemin("coupe.gff"));
    EXPECT_EQ(NomsSommets(relu->g), (Noms{"A"}));
    EXPECT_EQ(Chaine(relu->g, "A"), (Noms{"B:1"}));
}

TEST_F(FichierGff, CompteursMensongers_lesCompteursSuiventLesEnregistrements)
{
    Exemple(g);
    g.Sauvegarder(Chemin("g.gff"));
    Octets o = Lire(Chemin("g.gff"));
    o[22] = 99;                                              // nbArcs says 99
    o[18] = 0xFF, o[19] = 0xFF, o[20] = 0xFF, o[21] = 0x7F;  // nbSommets says 2^31 - 1
    Ecrire(dossier / "ment.gff", o);
    auto relu = Charger(Chemin("ment.gff"));
    EXPECT_EQ(relu->g.NbSommets(), 2);
    EXPECT_EQ(relu->g.NbArcs(), 1);
    ASSERT_EQ(relu->fenetre.messages.size(), 1u);
    EXPECT_EQ(relu->fenetre.messages[0].titre, "Fichier incomplet");

    o[18] = 0, o[19] = 0, o[20] = 0, o[21] = 0x80;  // negative: nothing to read
    Ecrire(dossier / "negatif.gff", o);
    relu = Charger(Chemin("negatif.gff"));
    EXPECT_EQ(relu->g.NbSommets(), 0);
    EXPECT_EQ(relu->g.NbArcs(), 0);
    EXPECT_TRUE(relu->fenetre.messages.empty());
}

TEST_F(FichierGff, TextesSansZero_coupesA19Et79)
{
    Exemple(g);
    g.FixerNomFichier("p");
    g.Sauvegarder(Chemin("g.gff"));
    Octets o = Lire(Chemin("g.gff"));
    std::fill(o.begin() + 27, o.begin() + 107, 'p');
    std::fill(o.begin() + 111, o.begin() + 131, 'n');
    Ecrire(dossier / "plein.gff", o);
    auto relu = Charger(Chemin("plein.gff"));
    EXPECT_EQ(relu->g.NomFichier(), Chemin("plein.gff"));
    EXPECT_EQ(std::string(relu->g.PremierSommet()->nom), std::string(19, 'n'));
}

TEST_F(FichierGff, HomonymesEtArcsPendants_seChargentSeResauventEtSEffacent)
{
    // Build, by hand, a file with two vertices named A and an arc to nobody.
    g.AjouterSommet("A", 5, 5);
    g.AjouterSommet("B", 15, 15);
    g.AjouterSommet("Z", 25, 25);
    g.AjouterArc("A", "Z", 1);
    g.AjouterArc("B", "Z", 2);
    g.AjouterArc("B", "Z", 3);
    g.Sauvegarder(Chemin("g.gff"));
    Octets o = Lire(Chemin("g.gff"));
    o[107 + 36 + 32 + 4] = 'A';            // B becomes a second A, keeping its two arcs
    o[107 + 36 + 32 + 36 + 64 + 4] = 'Q';  // Z becomes Q: every arc now dangles
    Ecrire(dossier / "bizarre.gff", o);

    auto relu = Charger(Chemin("bizarre.gff"));
    TGraphe& h = relu->g;
    EXPECT_EQ(NomsSommets(h), (Noms{"A", "A", "Q"}));
    EXPECT_EQ(h.NbArcs(), 3);
    h.Sauvegarder(Chemin("resauve.gff"));
    // Each block keeps its own count (the stored path is the opened one now).
    const Octets resauve = Lire(Chemin("resauve.gff"));
    EXPECT_EQ(Octets(resauve.begin() + 107, resauve.end()), Octets(o.begin() + 107, o.end()));
    h.SupprimerSommet("A");
    h.SupprimerSommet("A");
    h.SupprimerSommet("Q");
    EXPECT_EQ(h.NbSommets(), 0);
    EXPECT_EQ(h.NbArcs(), 0);
    EXPECT_EQ(CompterEnregistrements(h), std::make_pair(0, 0));
}

}  // namespace

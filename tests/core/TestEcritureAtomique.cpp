#include "FauxServices.h"
#include "GrapheAleatoire.h"
#include "model/EcritureAtomique.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Lire(const fs::path& chemin)
{
    std::ifstream flux(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flux), {});
}

struct EcritureAtomique : ::testing::Test {
    fs::path dossier;

    void SetUp() override
    {
        char modele[] = "/tmp/quorvalent-ecriture-XXXXXX";
        ASSERT_NE(::mkdtemp(modele), nullptr);
        dossier = modele;
    }
    void TearDown() override
    {
        ::umount2(Chemin("petit").c_str(), MNT_DETACH);
        fs::remove_all(dossier);
    }
    std::string Chemin(const std::string& nom) const { return (dossier / nom).string(); }

    // The folder's entries besides `attendus`: what a write left behind.
    std::vector<std::string> Residus(const fs::path& ou, const std::vector<std::string>& attendus) const
    {
        std::vector<std::string> residus;
        for (const auto& entree : fs::directory_iterator(ou))
            if (std::find(attendus.begin(), attendus.end(), entree.path().filename()) == attendus.end())
                residus.push_back(entree.path().filename());
        return residus;
    }
};

// Half the content, then the disk is full.
bool DisqueRempli(int fd)
{
    const bool ecrit = ::write(fd, "moitié", 7) == 7;
    errno = ENOSPC;
    return !ecrit;
}

TEST_F(EcritureAtomique, Echec_laisseLAncienContenuOuRienEtDitPourquoi)
{
    ASSERT_EQ(EcrireFichier(Chemin("g.svg"), "ancien"), "");
    ::chmod(Chemin("g.svg").c_str(), 0640);
    EXPECT_EQ(EcrireFichier(Chemin("g.svg"), DisqueRempli),
              "Impossible d'écrire « " + Chemin("g.svg") + " » : plus de place sur le disque.");
    EXPECT_EQ(EcrireFichier(Chemin("neuf.svg"), DisqueRempli).empty(), false);
    EXPECT_EQ(Lire(Chemin("g.svg")), "ancien");
    EXPECT_EQ(Residus(dossier, {"g.svg"}), std::vector<std::string>{});

    // A success keeps the permissions the user gave the file.
    ASSERT_EQ(EcrireFichier(Chemin("g.svg"), "nouveau"), "");
    EXPECT_EQ(Lire(Chemin("g.svg")), "nouveau");
    EXPECT_EQ(fs::status(Chemin("g.svg")).permissions(), fs::perms(0640));
    EXPECT_NE(EcrireFichier(Chemin("absent/g.svg"), "x").find("dossier introuvable"), std::string::npos);
}

TEST_F(EcritureAtomique, TemporairesPerimes_retiresSaufCeuxDUnEcrivainVivant)
{
    for (const char* nom : {".g.gff.quorvalent-abc123", ".g.gff.quorvalent-tenu00", ".h.gff.quorvalent-abc123"})
        std::ofstream(Chemin(nom)) << "reste";
    const int tenu = ::open(Chemin(".g.gff.quorvalent-tenu00").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(tenu, LOCK_EX), 0);
    ASSERT_EQ(EcrireFichier(Chemin("g.gff"), "neuf"), "");
    ::close(tenu);
    EXPECT_EQ(Residus(dossier, {"g.gff", ".g.gff.quorvalent-tenu00", ".h.gff.quorvalent-abc123"}),
              std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(Chemin(".g.gff.quorvalent-tenu00")));
}

// Root ignores permissions, but not a read-only or a full file system.
TEST_F(EcritureAtomique, SystemeDeFichiersPleinOuEnLectureSeule_ancienFichierIntact)
{
    fs::create_directory(Chemin("petit"));
    if (::mount("quorvalent", Chemin("petit").c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string cible = Chemin("petit/g.png");
    ASSERT_EQ(EcrireFichier(cible, std::string(16 * 1024, 'a')), "");
    EXPECT_EQ(EcrireFichier(cible, std::string(128 * 1024, 'b')),
              "Impossible d'écrire « " + cible + " » : plus de place sur le disque.");
    EXPECT_EQ(Lire(cible), std::string(16 * 1024, 'a'));
    EXPECT_EQ(Residus(Chemin("petit"), {"g.png"}), std::vector<std::string>{});

    ASSERT_EQ(::mount(nullptr, Chemin("petit").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_TRUE(EcrireFichier(cible, "c").ends_with("système de fichiers en lecture seule."));
    EXPECT_EQ(Lire(cible), std::string(16 * 1024, 'a'));
}

// Kills a process at random points of its saves: the target must hold a
// whole file, the old one or the new one, or for a new name nothing yet.
TEST_F(EcritureAtomique, SauvegardesInterrompues_jamaisDeCibleVideOuCoupee)
{
    FauxServices fenetre;
    TGraphe ancien(fenetre);
    TGraphe nouveau(fenetre);
    Tirage tirage;
    tirage.sommets = 200;
    tirage.arcs = 400;
    tirage.coordonneeMax = 1000;
    Remplir(ancien, Tirer(tirage));
    tirage.sommets = 3000;
    tirage.arcs = 9000;
    tirage.graine = 2;
    Remplir(nouveau, Tirer(tirage));
    ASSERT_TRUE(ancien.Sauvegarder(Chemin("ancien.gff")) && nouveau.Sauvegarder(Chemin("nouveau.gff")));
    const std::string octetsAncien = Lire(Chemin("ancien.gff"));
    const std::string octetsNouveau = Lire(Chemin("nouveau.gff"));
    std::mt19937 alea(16);
    for (int essai = 0; essai < 300; ++essai) {
        const bool nomNouveau = essai % 2 == 1;
        const std::string cible = Chemin("cible.gff");
        fs::remove(cible);
        if (!nomNouveau)
            fs::copy_file(Chemin("ancien.gff"), cible);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            for (;;)
                nouveau.Sauvegarder(cible);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 6000)(alea));
        ::kill(enfant, SIGKILL);
        ::waitpid(enfant, nullptr, 0);
        const std::string lu = Lire(cible);
        if (nomNouveau && !fs::exists(cible))
            continue;
        ASSERT_TRUE(lu == octetsNouveau || (!nomNouveau && lu == octetsAncien))
            << "essai " << essai << " : " << lu.size() << " octets";
    }
    // What a killed writer left is removed by the next write.
    ASSERT_TRUE(nouveau.Sauvegarder(Chemin("cible.gff")));
    EXPECT_EQ(Residus(dossier, {"cible.gff", "ancien.gff", "nouveau.gff"}), std::vector<std::string>{});
    // Far beyond the reader's block: read back whole.
    TGraphe relu(fenetre);
    relu.Charger(Chemin("cible.gff"));
    EXPECT_TRUE(fenetre.messages.empty());
    EXPECT_EQ(relu.NbSommets(), nouveau.NbSommets());
    EXPECT_EQ(relu.NbArcs(), nouveau.NbArcs());
}

}  // namespace

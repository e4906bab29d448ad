#include "cli/OutilCli.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// Enough vertices that every output kind takes several kilobytes.
void Grille(TGraphe& g)
{
    for (int i = 0; i < 300; ++i) {
        const std::string nom = "S" + std::to_string(i);
        g.AjouterSommet(nom.c_str(), 20 + 40 * (i % 20), 20 + 40 * (i / 20));
        if (i > 0)
            g.AjouterArc(("S" + std::to_string(i - 1)).c_str(), nom.c_str(), i);
    }
}

// Each way the tool writes a file, with the name of the file it writes.
struct Sortie {
    std::string fichier;
    std::vector<std::string> ligne;
};
const Sortie kSorties[] = {
    {"sortie.gff", {"numerotation", "g.gff", "-o", "sortie.gff"}}, {"sortie.png", {"exporter", "g.gff", "sortie.png"}},
    {"sortie.bmp", {"exporter", "g.gff", "sortie.bmp"}},           {"sortie.svg", {"exporter", "g.gff", "sortie.svg"}},
    {"sortie.pdf", {"imprimer", "g.gff", "sortie.pdf"}},
};

class TestEcritures : public TestCli {
protected:
    void TearDown() override
    {
        ::umount2(Chemin("petit").c_str(), MNT_DETACH);
        TestCli::TearDown();
    }

    // The tool under `prefixe` (shell commands run before it), its output
    // thrown away so that a file size limit meets only the file it writes.
    Execution LancerSous(const std::string& prefixe, const std::vector<std::string>& arguments) const
    {
        std::vector<std::string> ligne = {"/bin/sh", "-c", prefixe + " && exec \"$@\"", "sh", QUORVALENT_CLI};
        ligne.insert(ligne.end(), arguments.begin(), arguments.end());
        return Executer(ligne, "/dev/null", "/dev/null");
    }

    // The folder's files besides the input and the tool's own output.
    std::vector<std::string> Autres(const fs::path& ou, const std::string& garde) const
    {
        std::vector<std::string> autres;
        for (const auto& entree : fs::directory_iterator(ou)) {
            const std::string nom = entree.path().filename();
            if (nom != garde && nom != "g.gff" && nom != ".sortie" && nom != ".erreurs" && nom != "petit")
                autres.push_back(nom);
        }
        return autres;
    }
};

TEST_F(TestEcritures, TailleLimiteeOuSystemePlein_statut3RaisonEtAncienFichierIntact)
{
    Ecrire("g.gff", true, Grille);
    for (const Sortie& sortie : kSorties) {
        std::ofstream(Chemin(sortie.fichier)) << "ancien";
        // dash counts 512-byte blocks: 1 KiB, more than the old file, less
        // than any new one.
        const Execution e = LancerSous("ulimit -f 2", sortie.ligne);
        EXPECT_EQ(e.statut, 3) << sortie.fichier;
        EXPECT_NE(e.erreurs.find("Impossible d'écrire « " + sortie.fichier + " » : fichier trop volumineux."),
                  std::string::npos)
            << e.erreurs;
        EXPECT_EQ(Lire(Chemin(sortie.fichier)), "ancien") << sortie.fichier;
        EXPECT_EQ(Autres(dossier, sortie.fichier), std::vector<std::string>{}) << sortie.fichier;
        fs::remove(Chemin(sortie.fichier));
    }

    fs::create_directory(Chemin("petit"));
    if (::mount("quorvalent", Chemin("petit").c_str(), "tmpfs", 0, "size=12k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    for (const Sortie& sortie : kSorties) {
        std::vector<std::string> ligne = sortie.ligne;
        ligne.back() = "petit/" + ligne.back();
        std::ofstream(Chemin(ligne.back())) << "ancien";
        const Execution e = Lancer(ligne);
        EXPECT_EQ(e.statut, 3) << sortie.fichier;
        EXPECT_NE(e.erreurs.find("plus de place sur le disque."), std::string::npos) << e.erreurs;
        EXPECT_EQ(Lire(Chemin(ligne.back())), "ancien") << sortie.fichier;
        EXPECT_EQ(Autres(Chemin("petit"), sortie.fichier), std::vector<std::string>{}) << sortie.fichier;
        fs::remove(Chemin(ligne.back()));
    }
}

TEST_F(TestEcritures, LienSuiviFifoEtPeripheriqueRefuses)
{
    Ecrire("g.gff", true, Grille);
    fs::create_directory(Chemin("vrai"));
    ASSERT_EQ(::mkfifo(Chemin("fifo").c_str(), 0600), 0);
    const bool peripherique = ::mknod(Chemin("nul").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    for (const Sortie& sortie : kSorties) {
        const std::string extension = sortie.fichier.substr(6);
        fs::create_symlink("vrai/cible" + extension, Chemin("lien" + extension));
        std::ofstream(Chemin("vrai/cible" + extension)) << "ancien";
        std::vector<std::string> ligne = sortie.ligne;
        ligne.back() = "lien" + extension;
        EXPECT_EQ(Lancer(ligne).statut, 0) << extension;
        EXPECT_TRUE(fs::is_symlink(Chemin("lien" + extension)));
        EXPECT_GT(fs::file_size(Chemin("vrai/cible" + extension)), 1000u) << extension;

        for (const std::string cible : {"fifo", "nul"}) {
            if (cible == "nul" && !peripherique)
                continue;
            fs::rename(Chemin(cible), Chemin(cible + extension));
            ligne.back() = cible + extension;
            const Execution e = Lancer(ligne);
            EXPECT_EQ(e.statut, 3) << ligne.back();
            EXPECT_NE(e.erreurs.find("ce n'est pas un fichier ordinaire."), std::string::npos) << e.erreurs;
            EXPECT_FALSE(fs::is_regular_file(Chemin(ligne.back())));
            fs::rename(Chemin(cible + extension), Chemin(cible));
        }
    }
}
}  // namespace

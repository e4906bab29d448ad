#pragma once

#include "core/FauxServices.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

// What one run of the tool gave.
struct Execution {
    std::string sortie;
    std::string erreurs;
    int statut = -1;  // the exit status, or minus the signal that ended it
};

// Each test gets a fresh directory, the tool's working directory, where it
// writes its graph files.
class TestCli : public ::testing::Test {
protected:
    std::filesystem::path dossier;

    void SetUp() override
    {
        std::string modele = (std::filesystem::temp_directory_path() / "quorvalent-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        dossier = modele;
    }
    void TearDown() override { std::filesystem::remove_all(dossier); }

    std::string Chemin(const std::string& nom) const { return (dossier / nom).string(); }

    // `entree` and `vers` replace the tool's standard input (empty without
    // them) and the file its standard output goes to.
    Execution Lancer(const std::vector<std::string>& arguments, const std::string& entree = "/dev/null",
                     std::string vers = {}) const
    {
        std::vector<std::string> ligne = {QUORVALENT_CLI};
        ligne.insert(ligne.end(), arguments.begin(), arguments.end());
        return Executer(ligne, entree, vers);
    }

    // The tool with its address space held to `kio` KiB, as `ulimit -v` does.
    Execution LancerBorne(long kio, const std::vector<std::string>& arguments) const
    {
        std::vector<std::string> ligne = {"/bin/sh", "-c", "ulimit -v " + std::to_string(kio) + " && exec \"$@\"", "sh",
                                          QUORVALENT_CLI};
        ligne.insert(ligne.end(), arguments.begin(), arguments.end());
        return Executer(ligne);
    }

    Execution Executer(std::vector<std::string> ligne, const std::string& entree = "/dev/null",
                       std::string vers = {}) const
    {
        std::vector<char*> argv;
        for (std::string& a : ligne)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string sortie = Chemin(".sortie");
        const std::string erreurs = Chemin(".erreurs");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, dossier.c_str());
        if (vers.empty())
            vers = sortie;
        posix_spawn_file_actions_addopen(&actions, 0, entree.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, vers.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, erreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        Execution execution;
        pid_t pid = 0;
        const int erreur = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(erreur, 0) << "the tool could not be started";
        int etat = 0;
        if (erreur == 0 && ::waitpid(pid, &etat, 0) == pid)
            execution.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
        execution.sortie = Lire(sortie);
        execution.erreurs = Lire(erreurs);
        return execution;
    }

    static std::string Lire(const std::string& chemin)
    {
        std::ifstream fichier(chemin, std::ios::binary);
        std::ostringstream contenu;
        contenu << fichier.rdbuf();
        return contenu.str();
    }

    // Builds a graph with `remplir` and saves it in the test's directory.
    std::string Ecrire(const std::string& nom, bool oriente, const std::function<void(TGraphe&)>& remplir) const
    {
        FauxServices services;
        TGraphe graphe(services);
        graphe.FixerOriente(oriente);
        remplir(graphe);
        const std::string chemin = Chemin(nom);
        graphe.FixerNomFichier(chemin);
        graphe.Sauvegarder(chemin);
        EXPECT_TRUE(services.messages.empty()) << "could not write " << chemin;
        return chemin;
    }

    // Reads back a file the tool wrote.
    struct GrapheLu {
        FauxServices services;
        TGraphe graphe{services};
    };
    std::unique_ptr<GrapheLu> Relire(const std::string& chemin) const
    {
        auto lu = std::make_unique<GrapheLu>();
        lu->graphe.Charger(chemin);
        EXPECT_TRUE(lu->services.messages.empty()) << chemin << " does not read back";
        return lu;
    }
};

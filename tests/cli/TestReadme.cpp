#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The examples of the README and of the user guide, run as written: each
// "$ " line of a ```console block, in a copy of the examples folder, must
// print the lines after it.
namespace {
struct Exemple {
    std::string commande;
    std::string attendu;
};

std::vector<Exemple> LireExemples(const std::string& chemin)
{
    std::ifstream readme(chemin);
    std::vector<Exemple> exemples;
    std::string ligne;
    bool dansBloc = false;
    while (std::getline(readme, ligne)) {
        if (!dansBloc)
            dansBloc = ligne == "```console";
        else if (ligne == "```")
            dansBloc = false;
        else if (ligne.rfind("$ ", 0) == 0)
            exemples.push_back({ligne.substr(2), ""});
        else if (!exemples.empty())
            exemples.back().attendu += ligne + "\n";
    }
    return exemples;
}

std::string Executer(const std::string& commande)
{
    std::string sortie;
    FILE* flux = ::popen(commande.c_str(), "r");
    if (flux == nullptr)
        return "(popen failed)";
    char bloc[4096];
    while (const size_t lus = std::fread(bloc, 1, sizeof bloc, flux))
        sortie.append(bloc, lus);
    ::pclose(flux);
    return sortie;
}
}  // namespace

static void VerifierExemples(const std::string& document)
{
    const std::filesystem::path source = QUORVALENT_SOURCE;
    const std::vector<Exemple> exemples = LireExemples((source / document).string());
    ASSERT_FALSE(exemples.empty()) << "no example found in " << document;

    std::string modele = (std::filesystem::temp_directory_path() / "quorvalent-readme-XXXXXX").string();
    ASSERT_NE(::mkdtemp(modele.data()), nullptr);
    const std::filesystem::path dossier = modele;
    std::filesystem::copy(source / "exemples", dossier / "exemples");
    const std::string outil = std::filesystem::path(QUORVALENT_CLI).parent_path().string();
    // jq is a test package only: a machine without it skips its examples.
    const bool jq = Executer("command -v jq >/dev/null && echo oui") == "oui\n";
    for (const Exemple& exemple : exemples) {
        if (!jq && exemple.commande.find("| jq ") != std::string::npos)
            continue;
        const std::string ligne =
            "cd '" + dossier.string() + "' && PATH='" + outil + "':\"$PATH\" && { " + exemple.commande + " ; } 2>&1";
        EXPECT_EQ(Executer(ligne), exemple.attendu) << "$ " << exemple.commande;
    }
    std::filesystem::remove_all(dossier);
}

TEST(Readme, ExemplesDeQuorvalentCli_donnentLaSortieMontree)
{
    VerifierExemples("README.md");
}

// The guide's step tables are the program's own.
TEST(Guide, ExemplesDeDeroulement_donnentLesTableauxMontres)
{
    VerifierExemples("docs/guide.md");
}

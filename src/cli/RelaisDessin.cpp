#include "Executeurs.h"

#include "model/Cp1252.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

// The commands that draw need Qt, which this program does not load: they
// replace it with the drawing program, which reads the same command line.

namespace {
constexpr std::string_view kDessinImpossible = " : le programme de dessin ne peut être lancé : ";

// The command line as typed, -q and all, so that the drawing program sees
// exactly what this one saw.
std::vector<std::string> LigneLancee()
{
    std::ifstream fichier("/proc/self/cmdline", std::ios::binary);
    const std::string tout{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    std::vector<std::string> ligne;
    for (size_t debut = 0; debut < tout.size();) {
        const size_t fin = std::min(tout.find('\0', debut), tout.size());
        ligne.push_back(tout.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return ligne;
}

// Found from this program's own file rather than the PATH, so that two
// installations never mix: installed, under libexec; in the build tree,
// beside it.
std::vector<std::filesystem::path> EmplacementsDessin()
{
    std::error_code erreur;
    const std::filesystem::path dossier = std::filesystem::read_symlink("/proc/self/exe", erreur).parent_path();
    return {(dossier / QUORVALENT_DESSIN_RELATIF / QUORVALENT_CLI_DESSIN).lexically_normal(),
            dossier / QUORVALENT_CLI_DESSIN};
}

// Returns only when no drawing program could be started.
int ConfierAuDessin()
{
    std::vector<std::string> ligne = LigneLancee();
    if (ligne.empty())
        ligne.emplace_back();
    std::cout.flush();
    const std::vector<std::filesystem::path> emplacements = EmplacementsDessin();
    for (const std::filesystem::path& programme : emplacements) {
        ligne[0] = programme.string();
        std::vector<char*> argv;
        for (std::string& argument : ligne)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
    }
    std::cerr << kNomOutil << kDessinImpossible << EchapperControles(emplacements.front().string()) << '\n';
    return kEchec;
}
}  // namespace

int ExecuterExporter(const Arguments&)
{
    return ConfierAuDessin();
}

int ExecuterImprimer(const Arguments&)
{
    return ConfierAuDessin();
}

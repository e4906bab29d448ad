#include "OutilLigne.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unistd.h>
#include <vector>

namespace {

// Above this, the pictures would be larger than the tool is meant to draw.
constexpr int kSommetsImagesMax = 100000;

struct CommandeOutil {
    const char* nom;
    std::vector<std::string> arguments;
    bool image = false;
};

std::vector<CommandeOutil> Commandes(const FichierBanc& f)
{
    const std::string& g = f.chemin;
    return {
        {"afficher", {"afficher", g}},
        {"rapport", {"rapport", g}},
        {"numerotation", {"numerotation", g}},
        {"circuit", {"circuit", g}},
        {"connexite", {"connexite", g}},
        {"forte-connexite", {"forte-connexite", g}},
        {"arbre", {"arbre", g}},
        {"arborescence", {"arborescence", g}},
        {"eulerien", {"eulerien", g}},
        {"dijkstra", {"dijkstra", g, f.depart, f.arrivee}},
        {"bellman", {"bellman", g, f.depart, f.arrivee}},
        {"bellman --max", {"bellman", "--max", g, f.depart, f.arrivee}},
        {"ford", {"ford", g, f.depart, f.arrivee}},
        {"ford --max", {"ford", "--max", g, f.depart, f.arrivee}},
        {"kruskal1", {"kruskal1", g}},
        {"kruskal2", {"kruskal2", g}},
        {"exporter png", {"exporter", g, f.dossier + "/image.png"}, true},
        {"exporter svg", {"exporter", g, f.dossier + "/image.svg"}, true},
        {"imprimer pdf", {"imprimer", g, f.dossier + "/page.pdf"}, true},
    };
}

CoutProcessus MesurerCommande(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), QUORVALENT_CLI);
    std::vector<CoutProcessus> runs;
    double total = 0;
    while (runs.size() < 3 && total < 0.35) {
        runs.push_back(Lancer(arguments));
        total += runs.back().secondes;
    }
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.secondes < b.secondes; });
    CoutProcessus median = runs[runs.size() / 2];
    for (const CoutProcessus& run : runs) {
        median.megaoctets = std::max(median.megaoctets, run.megaoctets);
        median.reussi = median.reussi && run.reussi;
    }
    return median;
}

}  // namespace

void MesurerOutil(const FichierBanc& fichier, const std::string& filtre, CoutsOutil& couts)
{
    for (const CommandeOutil& commande : Commandes(fichier)) {
        const std::string nom = std::string("cli ") + commande.nom;
        if (nom.find(filtre) == std::string::npos || (commande.image && fichier.n > kSommetsImagesMax))
            continue;
        couts[nom][fichier.n] = MesurerCommande(commande.arguments);
    }
    for (const char* sortie : {"/image.png", "/image.svg", "/page.pdf"})
        ::unlink((fichier.dossier + sortie).c_str());
}

void ImprimerOutil(const char* forme, const CoutsOutil& couts)
{
    if (couts.empty())
        return;
    std::set<int> tailles;
    for (const auto& [nom, parTaille] : couts) {
        for (const auto& [n, cout] : parTaille)
            tailles.insert(n);
    }
    std::printf(
        "\n%s, outil en ligne de commande (temps processeur en ms / pic de mémoire en Mo, un processus par mesure)\n",
        forme);
    std::printf("%-26s", "commande");
    for (int n : tailles)
        std::printf(" %17s", ("n=" + std::to_string(n)).c_str());
    std::printf("\n");
    for (const auto& [nom, parTaille] : couts) {
        std::printf("%-26s", nom.c_str());
        for (int n : tailles) {
            const auto cout = parTaille.find(n);
            if (cout == parTaille.end())
                std::printf(" %17s", "-");
            else
                std::printf(" %9.0f / %5.0f%s", cout->second.secondes * 1e3, cout->second.megaoctets,
                            cout->second.reussi ? "" : "!");
        }
        std::printf("\n");
    }
}

// Times every command of the program on generated graphs of growing size and
// compares Dijkstra with the Boost Graph Library's. Not part of `make test`:
// run it with `make bench`. An argument keeps only the rows whose name holds
// it (`quorvalent-bench Dijkstra`), for profiling one command.
#include "Chrono.h"
#include "DijkstraBoost.h"
#include "GrapheAleatoire.h"
#include "Operations.h"
#include "ServicesBanc.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

const int kTailles[] = {100, 1000, 2000, 10000};

struct Banc {
    std::string fichier;
    ServicesBanc services;
    std::unique_ptr<TGraphe> graphe;

    void Recharger()
    {
        services.OublierResultats();
        graphe = std::make_unique<TGraphe>(services);
        graphe->Charger(fichier);
    }
};

using Resultats = std::map<std::string, std::map<int, double>>;

// The rows asked for on the command line; empty keeps them all.
std::string filtre;

bool Retenue(const std::string& nom)
{
    return nom.find(filtre) != std::string::npos;
}

void MesurerFichier(Banc& banc, Resultats& resultats, int n)
{
    if (Retenue("Charger"))
        resultats["Charger"][n] = Mesurer([&] { banc.graphe->Charger(banc.fichier); },
                                          [&] { banc.graphe = std::make_unique<TGraphe>(banc.services); });
    banc.Recharger();
    const std::string copie = banc.fichier + ".copie.gff";
    if (Retenue("Sauvegarder"))
        resultats["Sauvegarder"][n] = Mesurer([&] { banc.graphe->Sauvegarder(copie); });
    ::unlink(copie.c_str());
}

void MesurerOperations(Banc& banc, Resultats& resultats, int n)
{
    for (const Operation& operation : Operations()) {
        if (!Retenue(operation.nom))
            continue;
        banc.Recharger();
        resultats[operation.nom][n] = Mesurer([&] { operation.executer(*banc.graphe); },
                                              [&] {
                                                  if (operation.modifieLeGraphe)
                                                      banc.Recharger();
                                                  if (operation.preparer)
                                                      operation.preparer(*banc.graphe);
                                              });
    }
}

void Imprimer(const char* forme, const Resultats& resultats)
{
    std::printf("\n%s (temps médians en ms)\n", forme);
    std::printf("%-26s", "opération");
    for (int n : kTailles)
        std::printf(" %10s", ("n=" + std::to_string(n)).c_str());
    std::printf(" %14s\n", "x (1000→10000)");
    for (const auto& [nom, temps] : resultats) {
        std::printf("%-26s", nom.c_str());
        for (int n : kTailles)
            std::printf(" %10.3f", temps.at(n) * 1e3);
        std::printf(" %14.1f\n", temps.at(10000) / temps.at(1000));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    // Fonts for the drawing, without a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    if (argc > 1)
        filtre = argv[1];
    char dossier[] = "/tmp/quorvalent-bench-XXXXXX";
    if (::mkdtemp(dossier) == nullptr)
        return 1;
    for (Forme forme : {Forme::Aleatoire, Forme::SansCircuit, Forme::Grille}) {
        Resultats resultats;
        for (int n : kTailles) {
            const GrapheGenere genere = Generer(forme, n, 20261208u + unsigned(n));
            Banc banc;
            banc.fichier = std::string(dossier) + "/g.gff";
            const auto octets = EnGff(genere);
            std::ofstream(banc.fichier, std::ios::binary)
                .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
            banc.services.depart = genere.noms.front();
            banc.services.arrivee = genere.noms.back();
            MesurerFichier(banc, resultats, n);
            MesurerOperations(banc, resultats, n);
            if (Retenue("Dijkstra (Boost)"))
                resultats["Dijkstra (Boost)"][n] = MesurerDijkstraBoost(genere, 0);
            ::unlink(banc.fichier.c_str());
        }
        Imprimer(NomForme(forme), resultats);
        if (resultats.count("Dijkstra (calcul)") && resultats.count("Dijkstra")
            && resultats.count("Dijkstra (Boost)")) {
            const double boost = resultats["Dijkstra (Boost)"][10000];
            std::printf(
                "Dijkstra à n=10000 : calcul et index %.1f fois le temps de Boost, commande entière %.1f fois\n",
                resultats["Dijkstra (calcul)"][10000] / boost, resultats["Dijkstra"][10000] / boost);
        }
    }
    ::rmdir(dossier);
    return 0;
}

// Times every command of the program on generated graphs of growing size,
// compares Dijkstra with the Boost Graph Library's, runs the batch tool on the
// same files for its time and peak memory, and the desktop's windows on them.
// Not part of `make test`: run it with `make bench`. `--grand` adds the
// 100,000 and 1,000,000 vertex graphs; an argument keeps only the rows whose
// name holds it (`quorvalent-bench Dijkstra`), for profiling one command.
#include "Chrono.h"
#include "DijkstraBoost.h"
#include "FordChaine.h"
#include "GrapheAleatoire.h"
#include "Operations.h"
#include "OutilLigne.h"
#include "Processus.h"
#include "ServicesBanc.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::vector<int> tailles = {100, 1000, 2000, 10000};
const int kTaillesGrandes[] = {100000, 1000000};
// Beyond it, only loading, saving and the batch tool: the desktop and each
// command in this process would take minutes for figures the tool gives.
constexpr int kTailleMaxEnProcessus = 100000;
// The desktop's rows, from this size on.
constexpr int kTailleMinBureau = 10000;
// One drawn image per size; above this one the grid's would take gigabytes.
constexpr int kTailleMaxImage = 10000;

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
        if (!Retenue(operation.nom) || (n > kTailleMaxImage && operation.preparer))
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
    std::printf("\n%s (temps processeur médians en ms)\n", forme);
    std::printf("%-26s", "opération");
    for (int n : tailles)
        std::printf(" %10s", ("n=" + std::to_string(n)).c_str());
    std::printf(" %14s\n", "x (1000→10000)");
    for (const auto& [nom, temps] : resultats) {
        std::printf("%-26s", nom.c_str());
        for (int n : tailles) {
            if (temps.count(n))
                std::printf(" %10.3f", temps.at(n) * 1e3);
            else
                std::printf(" %10s", "-");
        }
        if (temps.count(1000) && temps.count(10000))
            std::printf(" %14.1f", temps.at(10000) / temps.at(1000));
        std::printf("\n");
    }
}

void ImprimerRapportsBoost(Resultats& resultats)
{
    if (!resultats.count("Dijkstra (calcul)") || !resultats.count("Dijkstra") || !resultats.count("Dijkstra (Boost)"))
        return;
    for (const auto& [n, boost] : resultats["Dijkstra (Boost)"]) {
        if (n >= 10000 && resultats["Dijkstra"].count(n))
            std::printf("Dijkstra à n=%d : calcul et index %.1f fois le temps de Boost, commande entière %.1f fois\n",
                        n, resultats["Dijkstra (calcul)"][n] / boost, resultats["Dijkstra"][n] / boost);
    }
}

// The desktop's rows, from its own program; its peak memory is the open
// window's.
void MesurerBureau(const std::string& fichier, const std::string& dossier, Resultats& resultats, int n)
{
    const std::string sortie = dossier + "/bureau.txt";
    const CoutProcessus cout = Lancer({QUORVALENT_BENCH_BUREAU, fichier, filtre, sortie});
    std::ifstream lignes(sortie);
    std::string nom;
    double secondes = 0;
    while (std::getline(lignes, nom, '\t') && lignes >> secondes) {
        resultats[nom][n] = secondes;
        lignes.ignore(1);
    }
    // Printed with the times, which are in thousandths.
    if (cout.reussi && resultats.count("Bureau : ouvrir"))
        resultats["Bureau : pic mémoire (Mo)"][n] = cout.megaoctets / 1e3;
    ::unlink(sortie.c_str());
}

void MesurerGraphe(Forme forme, int n, const std::string& dossier, Resultats& resultats, CoutsOutil& couts)
{
    const GrapheGenere genere = Generer(forme, n, 20261208u + unsigned(n));
    Banc banc;
    banc.fichier = dossier + "/g.gff";
    {
        const auto octets = EnGff(genere);
        std::ofstream(banc.fichier, std::ios::binary)
            .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
    }
    banc.services.depart = genere.noms.front();
    banc.services.arrivee = genere.noms.back();
    MesurerFichier(banc, resultats, n);
    if (n <= kTailleMaxEnProcessus) {
        MesurerOperations(banc, resultats, n);
        if (Retenue("Dijkstra (Boost)"))
            resultats["Dijkstra (Boost)"][n] = MesurerDijkstraBoost(genere, 0);
    }
    banc.graphe.reset();
    banc.services.OublierResultats();
    MesurerOutil({banc.fichier, genere.noms.front(), genere.noms.back(), dossier, n}, filtre, couts);
    if (n >= kTailleMinBureau && n <= kTailleMaxEnProcessus) {
        MesurerBureau(banc.fichier, dossier, resultats, n);
    }
    ::unlink(banc.fichier.c_str());
}

void MesurerFordChaines()
{
    if (!Retenue("Ford chaine"))
        return;
    std::printf("\nFord min sur la chaîne aux arcs latéraux plus lourds (temps processeur médians en ms)\n");
    for (int n : tailles) {
        if (n >= 1000 && n <= kTailleMaxEnProcessus)
            std::printf("n=%-8d %10.3f\n", n, MesurerFordChaine(n) * 1e3);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--relais") == 0)
        return Relayer(argc, argv);
    // Fonts for the drawing, without a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "--grand") == 0)
            tailles.insert(tailles.end(), std::begin(kTaillesGrandes), std::end(kTaillesGrandes));
        else
            filtre = argv[a];
    }
    char dossier[] = "/tmp/quorvalent-bench-XXXXXX";
    if (::mkdtemp(dossier) == nullptr)
        return 1;
    for (Forme forme : {Forme::Aleatoire, Forme::SansCircuit, Forme::Grille}) {
        Resultats resultats;
        CoutsOutil couts;
        for (int n : tailles)
            MesurerGraphe(forme, n, dossier, resultats, couts);
        Imprimer(NomForme(forme), resultats);
        ImprimerRapportsBoost(resultats);
        ImprimerOutil(NomForme(forme), couts);
        std::fflush(stdout);
    }
    MesurerFordChaines();
    ::rmdir(dossier);
    return 0;
}

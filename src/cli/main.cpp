#include "Cli.h"

#include <algorithm>
#include <iostream>
#include <new>

int main(int argc, char** argv)
{
    const std::vector<std::string> ligne(argv + 1, argv + argc);
    const auto fin = std::find(ligne.begin(), ligne.end(), "--");
    if (std::find_if(ligne.begin(), fin, [](const std::string& a) { return a == "--aide" || a == "--help"; }) != fin) {
        std::cout << TexteUsage();
        return kSucces;
    }
    const CommandeCli* commande = nullptr;
    Arguments arguments;
    if (!AnalyserLigne(ligne, commande, arguments))
        return kErreurUsage;
    int statut = kEchec;
    try {
        statut = commande->executer(arguments);
    } catch (const std::bad_alloc&) {
        // A script sees a failure it can report, not an abort.
        std::cout.flush();
        std::cerr << "Mémoire insuffisante : la commande « " << commande->nom << " » a été abandonnée.\n";
        return kEchec;
    }
    std::cout.flush();
    return std::cout ? statut : kEchec;
}

#include "Cli.h"

#include <algorithm>
#include <iostream>

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
    const int statut = commande->executer(arguments);
    std::cout.flush();
    return std::cout ? statut : kEchec;
}

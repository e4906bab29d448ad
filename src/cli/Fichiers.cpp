#include "Fichiers.h"

#include "Cli.h"
#include "TexteGraphe.h"

#include "model/Cp1252.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace {
// Runs `operation` with the window's messages captured; true when it showed none.
template <typename Operation>
bool SansMessage(ServicesConsole& services, const std::string& chemin, Operation operation)
{
    std::ostringstream messages;
    services.RedirigerMessages(messages);
    const int avant = services.NbMessages();
    operation();
    services.RedirigerMessages(std::cout);
    if (services.NbMessages() == avant)
        return true;
    std::cout.flush();
    std::cerr << EchapperControles(chemin) << " : " << messages.str();
    return false;
}

// The desktop's save dialog hands over absolute paths, and the stored path
// is what a later "Enregistrer" and the export rely on.
std::string CheminAbsolu(const std::string& chemin)
{
    std::error_code erreur;
    const std::filesystem::path absolu = std::filesystem::absolute(chemin, erreur);
    return erreur ? chemin : absolu.lexically_normal().string();
}
}  // namespace

std::optional<FenetreConsole> ChargerGraphe(const std::string& chemin)
{
    FenetreConsole fenetre = OuvrirFenetre(std::cout);
    if (!SansMessage(*fenetre.services, chemin, [&] { fenetre.graphe->Charger(chemin); }))
        return std::nullopt;
    return fenetre;
}

bool EnregistrerGraphe(const FenetreConsole& fenetre, const std::string& chemin)
{
    TGraphe& graphe = *fenetre.graphe;
    graphe.FixerNomFichier(CheminAbsolu(chemin));
    return SansMessage(*fenetre.services, chemin, [&] { graphe.Sauvegarder(chemin); });
}

int TraiterFichiers(const std::vector<std::string>& chemins, const std::function<int(FenetreConsole&)>& traiter)
{
    int statut = kSucces;
    for (size_t i = 0; i < chemins.size(); ++i) {
        if (chemins.size() > 1)
            std::cout << (i > 0 ? "\n" : "") << "==> " << EchapperControles(chemins[i]) << " <==\n";
        std::optional<FenetreConsole> fenetre = ChargerGraphe(chemins[i]);
        statut = std::max(statut, fenetre ? traiter(*fenetre) : kEchec);
    }
    return statut;
}

int AfficherEtEnregistrer(const FenetreConsole& fenetre, const std::string& sortie)
{
    EcrireGraphe(std::cout, *fenetre.graphe);
    return sortie.empty() || EnregistrerGraphe(fenetre, sortie) ? kSucces : kEchec;
}

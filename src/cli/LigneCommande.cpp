#include "Cli.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

namespace {
constexpr std::string_view kCommandeInconnue = "commande inconnue : ";
constexpr std::string_view kCommandeManquante = "commande manquante";
constexpr std::string_view kOptionInconnue = "option inconnue : ";
constexpr std::string_view kOptionRefusee = "option sans objet pour cette commande : ";
constexpr std::string_view kValeurManquante = "valeur manquante après ";
constexpr std::string_view kTropPeu = "arguments manquants pour ";
constexpr std::string_view kTrop = "trop d'arguments pour ";
constexpr std::string_view kJsonEtFlux = "--json occupe déjà la sortie standard : ";
constexpr std::string_view kEtapesEtFlux = "--etapes écrirait dans le graphe envoyé sur la sortie standard : ";
constexpr std::string_view kOptionRepetee = "option répétée : ";
constexpr std::string_view kExtensionContraire = "extension contraire au format .gff : ";
constexpr std::string_view kEssayez = "Essayez « quorvalent-cli --aide ».\n";

bool Refuser(std::string_view raison, std::string_view objet = {})
{
    SignalerErreurUsage(raison, objet);
    return false;
}

const CommandeCli* ChercherCommande(std::string_view nom)
{
    const auto& table = TableCommandes();
    const auto trouvee = std::find_if(table.begin(), table.end(), [&](const CommandeCli& c) { return c.nom == nom; });
    return trouvee == table.end() ? nullptr : &*trouvee;
}

// An option the command does not take is refused rather than ignored: a
// script that asked for --max must not receive a minimum unknowingly.
bool LireOption(const std::vector<std::string>& ligne, size_t& i, const CommandeCli& commande, Arguments& arguments)
{
    const std::string& option = ligne[i];
    if (option == "--json" || option == "--non-oriente") {
        (option == "--json" ? arguments.json : arguments.nonOriente) = true;
        return true;
    }
    if (option == "--max" || option == "--etapes" || option == "-o" || option == "--format") {
        const unsigned bit = option == "--max"    ? kOptionMax
                           : option == "--etapes" ? kOptionEtapes
                           : option == "-o"       ? kOptionSortie
                                                  : kOptionFormat;
        if ((commande.options & bit) == 0)
            return Refuser(kOptionRefusee, option);
        if (bit == kOptionMax || bit == kOptionEtapes) {
            (bit == kOptionMax ? arguments.max : arguments.etapes) = true;
            return true;
        }
        std::string& valeur = bit == kOptionSortie ? arguments.sortie : arguments.format;
        // Two outputs leave a script unsure which file it got.
        if (!valeur.empty())
            return Refuser(kOptionRepetee, option);
        if (i + 1 >= ligne.size() || ligne[i + 1].empty())
            return Refuser(kValeurManquante, option);
        if (bit == kOptionSortie && !ExtensionConforme(ligne[i + 1], ".gff"))
            return Refuser(kExtensionContraire, ligne[i + 1]);
        valeur = ligne[++i];
        return true;
    }
    return Refuser(kOptionInconnue, option);
}
}  // namespace

bool ExtensionConforme(const std::string& chemin, std::string_view attendue)
{
    std::string extension = std::filesystem::path(chemin).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension.empty() || extension == attendue;
}

void SignalerErreurUsage(std::string_view raison, std::string_view objet)
{
    std::cerr << kNomOutil << " : " << raison << objet << '\n' << kEssayez;
}

bool AnalyserLigne(const std::vector<std::string>& ligne, const CommandeCli*& commande, Arguments& arguments)
{
    if (ligne.empty())
        return Refuser(kCommandeManquante);
    commande = ChercherCommande(ligne[0]);
    if (commande == nullptr)
        return Refuser(kCommandeInconnue, ligne[0]);
    arguments.commande = ligne[0];
    bool options = true;
    for (size_t i = 1; i < ligne.size(); ++i) {
        // "--" ends the options, for file names that begin with a dash.
        if (options && ligne[i] == "--")
            options = false;
        else if (options && ligne[i].size() > 1 && ligne[i][0] == '-') {
            if (!LireOption(ligne, i, *commande, arguments))
                return false;
        } else
            arguments.valeurs.push_back(ligne[i]);
    }
    if (arguments.valeurs.size() < commande->minValeurs)
        return Refuser(kTropPeu, commande->nom);
    if (arguments.valeurs.size() > commande->maxValeurs)
        return Refuser(kTrop, commande->nom);
    const bool imageSurFlux = (commande->options & kOptionFormat) != 0 && arguments.valeurs[1] == kFluxStandard;
    if (arguments.json && (arguments.sortie == kFluxStandard || imageSurFlux))
        return Refuser(kJsonEtFlux, kFluxStandard);
    if (arguments.etapes && !arguments.json && arguments.sortie == kFluxStandard)
        return Refuser(kEtapesEtFlux, kFluxStandard);
    return true;
}

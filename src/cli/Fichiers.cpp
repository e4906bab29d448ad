#include "Fichiers.h"

#include "Cli.h"
#include "TexteGraphe.h"

#include "formats/FichiersEchange.h"
#include "model/Cp1252.h"
#include "model/FormatGff.h"
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
// Runs `operation` with the window's messages captured; true when it showed none.
template <typename Operation>
bool SansMessage(ServicesConsole& services, const std::string& chemin, Operation operation)
{
    std::ostringstream messages;
    std::ostream& courant = services.Flux();
    services.RedirigerMessages(messages);
    const int avant = services.NbMessages();
    operation();
    services.RedirigerMessages(courant);
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

// The path a ".gff" file records, which `afficher` shows; empty when none is.
std::string CheminEnregistre(const std::string& fichier)
{
    unsigned char entete[gff::kTailleEntete] = {};
    std::ifstream(fichier, std::ios::binary).read(reinterpret_cast<char*>(entete), sizeof entete);
    return gff::LireTexte(entete + gff::kTailleEntete - gff::kTailleChemin, gff::kTailleChemin);
}

// A file removed when done with: the reader and the writers want a regular
// file, which a pipe is not. `chemin` is empty when none could be made.
struct FichierTemporaire {
    std::string chemin;
    explicit FichierTemporaire(std::string_view extension)
    {
        std::string modele = (std::filesystem::temp_directory_path() / "quorvalent-cli-XXXXXX").string();
        modele += extension;
        const int descripteur = ::mkstemps(modele.data(), static_cast<int>(extension.size()));
        if (descripteur >= 0 && ::close(descripteur) == 0)
            chemin = modele;
    }
    ~FichierTemporaire()
    {
        if (!chemin.empty())
            std::remove(chemin.c_str());
    }
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;
};

std::optional<FenetreConsole> ImporterGraphe(const std::string& chemin, const FormatEchange& format, bool json,
                                             bool csvOriente)
{
    static std::ostream muet(nullptr);
    FenetreConsole fenetre = OuvrirFenetre(json ? muet : std::cout);
    std::vector<std::string> adaptations;
    const std::string erreur =
        ChargerFichierEchange(chemin, format, OptionsLecture{csvOriente}, *fenetre.graphe, adaptations);
    std::cout.flush();
    if (!erreur.empty()) {
        std::cerr << erreur << '\n';
        return std::nullopt;
    }
    for (const std::string& ligne : adaptations)
        std::cerr << EchapperControles(chemin) << " : " << ligne << '\n';
    fenetre.graphe->AjusterFenetre();
    return fenetre;
}
}  // namespace

std::optional<FenetreConsole> ChargerGraphe(const std::string& chemin, bool json, bool csvOriente)
{
    if (const FormatEchange* format = chemin == kFluxStandard ? nullptr : FormatSelonChemin(chemin))
        return ImporterGraphe(chemin, *format, json, csvOriente);
    static std::ostream muet(nullptr);
    const bool entree = chemin == kFluxStandard;
    const FichierTemporaire copie(entree ? ".gff" : "");
    if (entree)
        std::ofstream(copie.chemin, std::ios::binary) << std::cin.rdbuf();
    const std::string& lu = entree ? copie.chemin : chemin;
    FenetreConsole fenetre = OuvrirFenetre(json ? muet : std::cout);
    if (!SansMessage(*fenetre.services, chemin, [&] { fenetre.graphe->Charger(lu); }))
        return std::nullopt;
    // The graph shows the path its file records; the file read is kept
    // apart, for what must name it (the report).
    fenetre.graphe->FixerNomFichier(CheminEnregistre(lu));
    if (!entree)
        fenetre.fichier = CheminAbsolu(chemin);
    return fenetre;
}

bool EcrireSurSortieStandard(std::string_view extension, const std::function<bool(const std::string&)>& ecrire)
{
    const FichierTemporaire copie(extension);
    if (copie.chemin.empty() || !ecrire(copie.chemin))
        return false;
    std::ifstream lu(copie.chemin, std::ios::binary);
    if (lu.peek() != std::ifstream::traits_type::eof())
        std::cout << lu.rdbuf();
    return true;
}

bool EnregistrerGraphe(const FenetreConsole& fenetre, const std::string& chemin)
{
    TGraphe& graphe = *fenetre.graphe;
    if (chemin == kFluxStandard)
        return EcrireSurSortieStandard(".gff", [&](const std::string& copie) {
            return SansMessage(*fenetre.services, chemin, [&] { graphe.Sauvegarder(copie); });
        });
    graphe.FixerNomFichier(CheminAbsolu(chemin));
    return SansMessage(*fenetre.services, chemin, [&] { graphe.Sauvegarder(chemin); });
}

int TraiterFichiers(const Arguments& arguments, const std::vector<std::string>& chemins, const Traitement& traiter)
{
    int statut = kSucces;
    for (size_t i = 0; i < chemins.size(); ++i) {
        if (chemins.size() > 1 && !arguments.json)
            std::cout << (i > 0 ? "\n" : "") << "==> " << EchapperControles(chemins[i]) << " <==\n";
        std::optional<FenetreConsole> fenetre = ChargerGraphe(chemins[i], arguments.json, !arguments.nonOriente);
        if (!fenetre) {
            statut = kEchec;
            continue;
        }
        Json objet = {{"fichier", chemins[i]}};
        statut = std::max(statut, traiter(*fenetre, arguments.json ? &objet : nullptr));
        if (arguments.json) {
            objet["messages"] = MessagesJson(*fenetre->services);
            EcrireJson(objet);
        }
    }
    return statut;
}

int AfficherEtEnregistrer(const FenetreConsole& fenetre, const std::string& sortie, Json* objet)
{
    if (objet != nullptr)
        objet->update(GrapheJson(*fenetre.graphe));
    else if (sortie != kFluxStandard)
        EcrireGraphe(std::cout, *fenetre.graphe);
    return sortie.empty() || EnregistrerGraphe(fenetre, sortie) ? kSucces : kEchec;
}

#include "Executeurs.h"

#include "Fichiers.h"

#include "formats/FichiersEchange.h"
#include "model/Cp1252.h"

#include <filesystem>
#include <iostream>

namespace {
constexpr std::string_view kFormatInconnu =
    "format de graphe inconnu (.gff, .graphml, .dot, .gv, .json, .csv ou .tex) : ";
constexpr std::string_view kFormatManquant = "--format manquant pour la sortie standard";
constexpr std::string_view kExtensionContraire = "extension contraire au format choisi : ";

// The output's format: the store's own ".gff" (null) or an exchange format.
using FormatSortie = const FormatEchange*;

std::optional<FormatSortie> FormatSelon(const std::string& chemin)
{
    if (ExtensionConforme(chemin, ".gff") && std::filesystem::path(chemin).has_extension())
        return nullptr;
    if (const FormatEchange* format = FormatSelonChemin(chemin))
        return format;
    return std::nullopt;
}

std::optional<FormatSortie> FormatNomme(const std::string& nom)
{
    if (nom == "gff")
        return nullptr;
    if (const FormatEchange* format = FormatSelonNom(nom))
        return format;
    return std::nullopt;
}

// --format names the output's format, else its extension does; none, after
// the usage error, when they are missing, unknown or contradict each other.
std::optional<FormatSortie> FormatDemande(const Arguments& arguments)
{
    const std::string& sortie = arguments.valeurs[1];
    const bool choisi = !arguments.format.empty();
    const std::optional<FormatSortie> format = choisi ? FormatNomme(arguments.format) : FormatSelon(sortie);
    if (!format && !choisi && sortie == kFluxStandard)
        SignalerErreurUsage(kFormatManquant);
    else if (!format)
        SignalerErreurUsage(kFormatInconnu, choisi ? arguments.format : sortie);
    else if (choisi && std::filesystem::path(sortie).has_extension() && FormatSelon(sortie) != format)
        SignalerErreurUsage(kExtensionContraire, sortie);
    else
        return format;
    return std::nullopt;
}

bool Ecrire(const FenetreConsole& fenetre, const std::string& sortie, const FormatEchange& format)
{
    if (sortie == kFluxStandard) {
        return EcrireSurSortieStandard(format.extensions.front(),
                                       [&](const std::string& copie) { return Ecrire(fenetre, copie, format); });
    }
    const std::string erreur = EnregistrerFichierEchange(*fenetre.graphe, sortie, format);
    if (!erreur.empty())
        std::cerr << erreur << '\n';
    return erreur.empty();
}
}  // namespace

int ExecuterConvertir(const Arguments& arguments)
{
    const std::string& sortie = arguments.valeurs[1];
    const std::optional<FormatSortie> format = FormatDemande(arguments);
    if (!format)
        return kErreurUsage;
    return TraiterFichiers(arguments, {arguments.valeurs[0]}, [&](FenetreConsole& fenetre, Json* objet) {
        if (objet != nullptr)
            (*objet)["sortie"] = sortie;
        const bool reussi = *format == nullptr ? EnregistrerGraphe(fenetre, sortie) : Ecrire(fenetre, sortie, **format);
        return reussi ? kSucces : kEchec;
    });
}

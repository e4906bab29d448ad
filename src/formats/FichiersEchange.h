#pragma once

#include "formats/GrapheEchange.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TGraphe;

// The exchange formats by name and extension, their files read into a
// store and written from one. ".gff" is the store's own file
// (TGraphe::Charger and Sauvegarder) and is not among them.

struct FormatEchange {
    std::string_view nom;                      // as --format names it: "graphml"
    std::string_view libelle;                  // as a file dialog shows it: "GraphML"
    std::vector<std::string_view> extensions;  // lower case, with the dot, the first one written
    bool lisible;
};

const std::vector<FormatEchange>& FormatsEchange();
const FormatEchange* FormatSelonNom(std::string_view nom);
// By the path's extension, in any case; null for ".gff" and the unknown.
const FormatEchange* FormatSelonChemin(const std::string& chemin);

struct OptionsLecture {
    bool csvOriente = true;  // a CSV edge list does not say
};

// Empty on success, else the French message naming the file and where it
// failed. Files beyond 64 MiB are refused before being read, so that a
// reader never holds more than a bounded multiple of that.
std::string LireFichierEchange(const std::string& chemin, const FormatEchange& format, const OptionsLecture& options,
                               GrapheEchange& graphe);
// Through EcrireFichier: the previous file stays whole on failure.
std::string EcrireFichierEchange(const std::string& chemin, const FormatEchange& format, const GrapheEchange& graphe);

// Both ends at once, for the store: the empty `graphe` receives the file,
// `adaptations` what had to change for the store to hold it.
std::string ChargerFichierEchange(const std::string& chemin, const FormatEchange& format, const OptionsLecture& options,
                                  TGraphe& graphe, std::vector<std::string>& adaptations);
std::string EnregistrerFichierEchange(const TGraphe& graphe, const std::string& chemin, const FormatEchange& format);

#pragma once

#include "ServicesConsole.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Reads a ".gff" file ("-": standard input) into a new console window whose messages go to
// standard output. When the program reports a problem (no such file, not a
// graph file, a truncated file), its message goes to standard error after
// the path, and nothing is returned: a partly read graph is never analysed.
std::optional<FenetreConsole> ChargerGraphe(const std::string& chemin);

// Saves under `chemin` ("-": to standard output, the path kept) as the program's "Enregistrer sous" does, the graph
// then carrying that path; false after printing the program's message on
// standard error.
bool EnregistrerGraphe(const FenetreConsole& fenetre, const std::string& chemin);

// Runs `ecrire` on a temporary file named with `extension`, then copies
// that file to standard output; false when `ecrire` failed.
bool EcrireSurSortieStandard(std::string_view extension, const std::function<bool(const std::string&)>& ecrire);

// Loads each file in turn and runs `traiter` on it; with several files,
// each one's output follows a line naming it. The result is the worst
// status met.
int TraiterFichiers(const std::vector<std::string>& chemins, const std::function<int(FenetreConsole&)>& traiter);

// Prints the graph as `afficher` does (not when `sortie` is standard
// output, which then carries the file), then saves it under `sortie` unless
// that is empty; kSucces, or kEchec when the save failed.
int AfficherEtEnregistrer(const FenetreConsole& fenetre, const std::string& sortie);

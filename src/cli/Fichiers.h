#pragma once

#include "Cli.h"
#include "ServicesConsole.h"
#include "SortieJson.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Reads a ".gff" file ("-": standard input), or a file of an exchange
// format named by its extension (formats/FichiersEchange.h), into a new
// console window whose messages go to standard output. When the program
// reports a problem (no such file, not a graph file, a truncated or
// malformed file), its message goes to standard error after the path, and
// nothing is returned: a partly read graph is never analysed. What an
// imported graph had to change goes to standard error, a line each. With
// --json the window's messages are only recorded.
std::optional<FenetreConsole> ChargerGraphe(const std::string& chemin, bool json = false, bool csvOriente = true);

// Saves under `chemin` ("-": to standard output, the path kept) as the program's "Enregistrer sous" does, the graph
// then carrying that path; false after printing the program's message on
// standard error.
bool EnregistrerGraphe(const FenetreConsole& fenetre, const std::string& chemin);

// Runs `ecrire` on a temporary file named with `extension`, then copies
// that file to standard output; false when `ecrire` failed.
bool EcrireSurSortieStandard(std::string_view extension, const std::function<bool(const std::string&)>& ecrire);

// What a command does with one loaded file: prints its text, or, with
// --json, fills `objet` (null otherwise); returns the status.
using Traitement = std::function<int(FenetreConsole& fenetre, Json* objet)>;

// Loads each file of `chemins` in turn and runs `traiter` on it; with several
// files, each one's output follows a line naming it. With --json, each file
// gives one line: `traiter`'s object with "fichier" and "messages". The
// result is the worst status met.
int TraiterFichiers(const Arguments& arguments, const std::vector<std::string>& chemins, const Traitement& traiter);

// Prints the graph as `afficher` does (not when `sortie` is standard
// output, which then carries the file), then saves it under `sortie` unless
// that is empty; kSucces, or kEchec when the save failed.
int AfficherEtEnregistrer(const FenetreConsole& fenetre, const std::string& sortie, Json* objet);

#pragma once

#include <string>
#include <string_view>
#include <vector>

// Exit statuses, ordered so that the worst outcome of several files is the
// greatest.
constexpr int kSucces = 0;
constexpr int kReponseNegative = 1;
constexpr int kErreurUsage = 2;
constexpr int kEchec = 3;

constexpr std::string_view kNomOutil = "quorvalent-cli";

// The options a command accepts.
enum Option : unsigned { kAucuneOption = 0, kOptionMax = 1, kOptionSortie = 2, kOptionFormat = 4, kOptionEtapes = 8 };

// The name that stands for standard input, or standard output after -o.
constexpr std::string_view kFluxStandard = "-";

// One command line, already checked against the command's syntax.
struct Arguments {
    std::string commande;
    std::vector<std::string> valeurs;  // the non-option arguments, in order
    bool max = false;
    bool etapes = false;  // --etapes: the table of the run's steps after its result
    std::string sortie;   // the file of -o, empty without it
    std::string format;   // the value of --format, empty without it
    bool json = false;
    bool nonOriente = false;  // a CSV edge list read as non-oriented
};

// One line of the dispatch table.
struct CommandeCli {
    std::string_view nom;
    std::string_view syntaxe;  // what follows the name in the usage text
    std::string_view description;
    unsigned options;
    size_t minValeurs;
    size_t maxValeurs;  // kSansLimite for a list of files
    int (*executer)(const Arguments& arguments);
};
constexpr size_t kSansLimite = static_cast<size_t>(-1);

// The commands, in the order of the usage text.
const std::vector<CommandeCli>& TableCommandes();

// Reads argv[1...] into `arguments` for the command it names; writes the
// reason to standard error and returns false on a usage error.
bool AnalyserLigne(const std::vector<std::string>& ligne, const CommandeCli*& commande, Arguments& arguments);
std::string TexteUsage();
// Writes "quorvalent-cli : " with the reason, then where to find the usage
// text, to standard error; the caller then exits with kErreurUsage.
void SignalerErreurUsage(std::string_view raison, std::string_view objet = {});
// True when `chemin` has no extension or `attendue` (".gff"), in any case: a
// file named for one format must not receive another.
bool ExtensionConforme(const std::string& chemin, std::string_view attendue);

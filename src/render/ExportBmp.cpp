#include "model/TGraphe.h"

#include <string>

namespace {
constexpr std::string_view kExtensionBmp = ".bmp";
}  // namespace

// The extension is a dot and three characters at the end of the last path
// component, as ".gff" is. A name without one (a graph saved as "dossier.gff/
// graphe", or a path whose ending is not ASCII) keeps its whole self and
// gets ".bmp" after it: cutting four bytes blindly would eat part of the
// name, or split a character.
std::string TGraphe::NomExportBmp() const
{
    const size_t n = nomFichier.size();
    const bool extension = n >= 4 && nomFichier[n - 4] == '.' &&
                           nomFichier.find_first_of("/\\", n - 3) == std::string::npos;
    return (extension ? nomFichier.substr(0, n - 4) : nomFichier) + std::string(kExtensionBmp);
}

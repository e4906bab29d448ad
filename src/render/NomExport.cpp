#include "render/Page.h"

#include "model/TGraphe.h"

#include <string>
#include <string_view>

// The old extension is a dot and three characters ending the last path
// component, as ".gff" is. A name without one (a graph saved as
// "dossier.gff/graphe", or a path ending in accented letters) is kept whole
// and gets the new extension after it: cutting four bytes blindly would eat
// part of the name, or split a character.
std::string NomExport(const TGraphe& graphe, std::string_view nouvelle)
{
    const std::string& nomFichier = graphe.NomFichier();
    const size_t n = nomFichier.size();
    const bool extension =
        n >= 4 && nomFichier[n - 4] == '.' && nomFichier.find_first_of("/\\", n - 3) == std::string::npos;
    return (extension ? nomFichier.substr(0, n - 4) : nomFichier) + std::string(nouvelle);
}

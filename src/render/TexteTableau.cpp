#include "render/TexteTableau.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace {
using Lignes = std::vector<std::vector<std::string>>;

// Columns a terminal gives the text: one per code point (vertex names come
// from Windows-1252, which has no wide character).
size_t Largeur(std::string_view texte)
{
    return static_cast<size_t>(std::count_if(texte.begin(), texte.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

Lignes ToutesLesLignes(const TableauDeroulement& tableau)
{
    Lignes lignes{tableau.entetes};
    lignes.insert(lignes.end(), tableau.lignes.begin(), tableau.lignes.end());
    return lignes;
}

std::string Joindre(const TableauDeroulement& tableau, std::string_view separateur,
                    const std::function<std::string(const std::string&)>& cellule, std::string_view finLigne)
{
    std::string texte;
    for (const std::vector<std::string>& ligne : ToutesLesLignes(tableau)) {
        for (size_t c = 0; c < ligne.size(); ++c)
            texte += (c == 0 ? "" : std::string(separateur)) + cellule(ligne[c]);
        texte += finLigne;
    }
    return texte;
}

std::string Remplacer(std::string texte, std::string_view motif, std::string_view par)
{
    for (size_t i = texte.find(motif); i != std::string::npos; i = texte.find(motif, i + par.size()))
        texte.replace(i, motif.size(), par);
    return texte;
}

std::string CelluleCsv(const std::string& cellule)
{
    if (cellule.find_first_of(";\"\n\r") == std::string::npos)
        return cellule;
    return '"' + Remplacer(cellule, "\"", "\"\"") + '"';
}

std::string CelluleLatex(const std::string& cellule)
{
    std::string texte;
    for (const char c : cellule) {
        switch (c) {
        case '\\':
            texte += "\\textbackslash{}";
            break;
        case '~':
            texte += "\\textasciitilde{}";
            break;
        case '^':
            texte += "\\textasciicircum{}";
            break;
        case '&':
        case '%':
        case '$':
        case '#':
        case '_':
        case '{':
        case '}':
            texte += '\\';
            texte += c;
            break;
        default:
            texte += c;
        }
    }
    return Remplacer(Remplacer(texte, "∞", "$\\infty$"), "→", "$\\to$");
}

// A tab or a line break inside a cell would split it.
std::string CelluleTabulee(const std::string& cellule)
{
    std::string texte = cellule;
    std::replace_if(
        texte.begin(), texte.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return texte;
}
}  // namespace

std::string TexteAligne(const TableauDeroulement& tableau)
{
    const Lignes lignes = ToutesLesLignes(tableau);
    std::vector<size_t> largeurs;
    for (const std::vector<std::string>& ligne : lignes) {
        largeurs.resize(std::max(largeurs.size(), ligne.size()), 0);
        for (size_t c = 0; c < ligne.size(); ++c)
            largeurs[c] = std::max(largeurs[c], Largeur(ligne[c]));
    }
    std::string texte;
    for (const std::vector<std::string>& ligne : lignes) {
        std::string rangee;
        for (size_t c = 0; c < ligne.size(); ++c) {
            if (c > 0)
                rangee += std::string(largeurs[c - 1] - Largeur(ligne[c - 1]) + 2, ' ');
            rangee += ligne[c];
        }
        // Empty last cells would leave spaces that editors strip from a pasted copy.
        rangee.erase(rangee.find_last_not_of(' ') + 1);
        texte += rangee + "\n";
    }
    for (const std::string& note : tableau.notes)
        texte += note + "\n";
    return texte;
}

std::string TexteTabule(const TableauDeroulement& tableau)
{
    return Joindre(tableau, "\t", CelluleTabulee, "\n");
}

std::string TexteCsv(const TableauDeroulement& tableau)
{
    // Line ends as RFC 4180 has them.
    return Joindre(tableau, ";", CelluleCsv, "\r\n");
}

std::string TexteLatex(const TableauDeroulement& tableau)
{
    std::string texte = "% Déroulement : " + tableau.titre + "\n";
    texte += "\\begin{tabular}{" + std::string(tableau.entetes.size(), 'l') + "}\n\\hline\n";
    const std::string corps = Joindre(tableau, " & ", CelluleLatex, " \\\\\n");
    const size_t finEntete = corps.find('\n') + 1;
    texte += corps.substr(0, finEntete) + "\\hline\n" + corps.substr(finEntete) + "\\hline\n\\end{tabular}\n";
    for (const std::string& note : tableau.notes)
        texte += "% " + note + "\n";
    return texte;
}

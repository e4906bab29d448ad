#include "formats/FormatTikz.h"

#include "formats/NombresTexte.h"

#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace {
constexpr double kCentimetresParPixel = 2.54 / 96;

constexpr std::string_view kPreambule =
    "\\documentclass{article}\n"
    "\\usepackage[T1]{fontenc}\n"
    "\\usepackage[utf8]{inputenc}\n"
    "\\usepackage{tikz}\n"
    "\\usetikzlibrary{arrows.meta}\n"
    "\\pagestyle{empty}\n"
    "\\begin{document}\n";

// Characters that LaTeX reads as commands, written as text.
std::string Echapper(const std::string& nom)
{
    std::string texte;
    for (const char c : nom) {
        switch (c) {
        case '\\':
            texte += "\\textbackslash{}";
            break;
        case '{':
        case '}':
        case '$':
        case '&':
        case '#':
        case '_':
        case '%':
            texte += std::string("\\") + c;
            break;
        case '^':
            texte += "\\textasciicircum{}";
            break;
        case '~':
            texte += "\\textasciitilde{}";
            break;
        default:
            // Control characters have no glyph and would stop pdflatex.
            texte += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        }
    }
    return texte;
}

std::string Centimetres(double pixels)
{
    const double centimetres = std::round(pixels * kCentimetresParPixel * 1000) / 1000;
    // Adding zero turns -0, which a vertex at the top would get, into 0.
    return EcrireReel(centimetres + 0.0);
}

std::string Poids(const ArcEchange& arc)
{
    return arc.poids ? EcrireReel(*arc.poids) : std::string("1");
}

// How an arc leaves its origin: loops turn round in turn, parallel arcs
// bend further each, an arc whose opposite exists bends off its path.
std::string Trajet(const ArcEchange& arc, int rang, bool oppose)
{
    if (arc.origine == arc.cible)
        return "to[out=" + std::to_string(60 + 40 * rang) + ",in=" + std::to_string(120 + 40 * rang)
             + ",looseness=" + std::to_string(6 + rang) + "]";
    const int courbure = 20 * rang + (oppose ? 12 : 0);
    return courbure == 0 ? "--" : "to[bend left=" + std::to_string(courbure) + "]";
}
}  // namespace

std::string TexteTikz(const GrapheEchange& graphe)
{
    std::string texte(kPreambule);
    texte +=
        "\\begin{tikzpicture}[sommet/.style={circle,draw,inner sep=2pt,fill=white},\n"
        "  poids/.style={fill=white,inner sep=1pt,font=\\small}";
    texte += graphe.oriente ? ",\n  arc/.style={-{Stealth}}]\n" : ",\n  arc/.style={}]\n";
    for (size_t i = 0; i < graphe.sommets.size(); ++i) {
        const SommetEchange& s = graphe.sommets[i];
        texte += "  \\node[sommet] (s" + std::to_string(i) + ") at (" + Centimetres(s.x.value_or(0)) + ","
               + Centimetres(-s.y.value_or(0)) + ") {" + Echapper(s.nom) + "};\n";
    }
    std::set<std::pair<size_t, size_t>> sens;
    for (const ArcEchange& a : graphe.arcs)
        sens.emplace(a.origine, a.cible);
    std::map<std::pair<size_t, size_t>, int> deja;
    for (const ArcEchange& a : graphe.arcs) {
        const bool oppose = graphe.oriente && a.origine != a.cible && sens.contains({a.cible, a.origine});
        const auto cle = graphe.oriente ? std::pair(a.origine, a.cible)
                                        : std::pair(std::min(a.origine, a.cible), std::max(a.origine, a.cible));
        const int rang = deja[cle]++;
        texte += "  \\draw[arc] (s" + std::to_string(a.origine) + ") " + Trajet(a, rang, oppose) + " node[poids] {"
               + Poids(a) + "} (s" + std::to_string(a.cible) + ");\n";
    }
    texte += "\\end{tikzpicture}\n\\end{document}\n";
    return texte;
}

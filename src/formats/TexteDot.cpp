#include "formats/TexteDot.h"

#include "formats/NombresTexte.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Graphviz's scanner reads a backslash before a quote, a backslash or a
// line end as an escape, any other one as itself: a run of backslashes
// survives quoting unless it is odd and ends before one of those or at the
// end. It also drops a line end standing alone between a quote or a
// backslash and another one.
bool Citable(std::string_view texte)
{
    size_t barres = 0;
    for (size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\\') {
            ++barres;
            continue;
        }
        if (barres % 2 == 1 && (c == '"' || c == '\n'))
            return false;
        barres = 0;
        const bool isole = (i == 0 || texte[i - 1] == '"' || texte[i - 1] == '\\')
                        && (i + 1 == texte.size() || texte[i + 1] == '"' || texte[i + 1] == '\\');
        if (c == '\n' && isole)
            return false;
    }
    return barres % 2 == 0;
}

// A name that quoting alone cannot carry is written in pieces joined by
// '+': its backslashes and line ends as HTML strings, where Graphviz takes
// every character as itself, the rest quoted.
std::string CiterEnMorceaux(std::string_view texte)
{
    std::string cite;
    size_t i = 0;
    while (i < texte.size()) {
        const bool brut = texte[i] == '\\' || texte[i] == '\n';
        size_t fin = i;
        while (fin < texte.size() && (texte[fin] == '\\' || texte[fin] == '\n') == brut)
            ++fin;
        cite += cite.empty() ? "" : " + ";
        if (brut) {
            cite += "<" + std::string(texte.substr(i, fin - i)) + ">";
        } else {
            cite += '"';
            for (const char c : texte.substr(i, fin - i))
                cite += c == '"' ? std::string("\\\"") : std::string(1, c);
            cite += '"';
        }
        i = fin;
    }
    return cite;
}

std::string Citer(std::string_view texte)
{
    if (!Citable(texte))
        return CiterEnMorceaux(texte);
    std::string cite = "\"";
    for (const char c : texte) {
        if (c == '"')
            cite += '\\';
        cite += c;
    }
    return cite + "\"";
}

// Node names: a vertex's own name unless an earlier vertex took it, then
// its name with a suffix that no vertex has. Graphviz takes a node name
// starting with '%' for one of its anonymous names and replaces it: such a
// vertex gets a node name with a '_' before.
std::vector<std::string> IdentifiantsNoeuds(const GrapheEchange& graphe)
{
    std::unordered_set<std::string> noms;
    for (const SommetEchange& s : graphe.sommets)
        noms.insert(s.nom);
    std::unordered_set<std::string> donnes;
    std::unordered_map<std::string, size_t> suffixes;
    std::vector<std::string> identifiants;
    for (const SommetEchange& s : graphe.sommets) {
        const std::string base = s.nom.starts_with('%') ? "_" + s.nom : s.nom;
        std::string id = base;
        if (base != s.nom ? noms.count(id) != 0 || donnes.count(id) != 0 : donnes.count(id) != 0) {
            size_t& suffixe = suffixes.try_emplace(base, 1).first->second;
            do
                id = base + "~" + std::to_string(++suffixe);
            while (noms.count(id) != 0 || donnes.count(id) != 0);
        }
        donnes.insert(id);
        identifiants.push_back(std::move(id));
    }
    return identifiants;
}

void EcrireSommet(std::string& texte, const SommetEchange& s, const std::string& id)
{
    std::vector<std::string> attributs;
    if (id != s.nom)
        attributs.push_back("label=" + Citer(s.nom));
    // 0 - y rather than -y: a vertex on the top edge is written 0, not -0.
    if (s.x && s.y)
        attributs.push_back("pos=\"" + EcrireReel(*s.x) + "," + EcrireReel(0.0 - *s.y) + "\"");
    if (s.numero)
        attributs.push_back("numero=" + std::to_string(*s.numero));
    texte += "  " + Citer(id);
    for (size_t k = 0; k < attributs.size(); ++k)
        texte += (k == 0 ? " [" : ", ") + attributs[k];
    texte += attributs.empty() ? ";\n" : "];\n";
}

}  // namespace

std::string TexteDot(const GrapheEchange& graphe)
{
    const std::vector<std::string> ids = IdentifiantsNoeuds(graphe);
    // With Graphviz's own default declared, an empty label means an empty
    // name, not "no label".
    std::string texte = graphe.oriente ? "digraph {\n" : "graph {\n";
    texte += "  node [label=\"\\N\"];\n";
    for (size_t i = 0; i < graphe.sommets.size(); ++i)
        EcrireSommet(texte, graphe.sommets[i], ids[i]);
    const char* fleche = graphe.oriente ? " -> " : " -- ";
    for (const ArcEchange& a : graphe.arcs) {
        if (a.origine >= ids.size() || a.cible >= ids.size())
            continue;
        texte += "  " + Citer(ids[a.origine]) + fleche + Citer(ids[a.cible]);
        if (a.poids) {
            const std::string poids = EcrireReel(*a.poids);
            // A DOT numeral has no exponent: 1e+20 is read as "1e", then a
            // syntax error. Written in quotes, it reads back the same.
            const bool numeral = poids.find_first_not_of("-.0123456789") == std::string::npos;
            texte += " [weight=" + (numeral ? poids : "\"" + poids + "\"") + ", label=\"" + poids + "\"]";
        }
        texte += ";\n";
    }
    return texte + "}\n";
}

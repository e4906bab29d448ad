#include "formats/LexemesDot.h"

#include <algorithm>
#include <cstdio>

namespace {

// Graphviz's scanner would stay inside such a comment or string for the
// next text it reads: these texts never reach it.
constexpr const char* kCommentaireOuvert =
    "Fichier DOT illisible : le commentaire « /* » de la ligne %zu n'est jamais fermé.";
constexpr const char* kChaineOuverte =
    "Fichier DOT illisible : la chaîne entre guillemets de la ligne %zu n'est jamais fermée.";
constexpr const char* kHtmlOuvert = "Fichier DOT illisible : la chaîne HTML « < » de la ligne %zu n'est jamais fermée.";

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// Graphviz takes every byte above 127 as a letter, whatever the encoding.
bool EstLettre(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u >= 0x80;
}

bool EgalSansCasse(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k) {
        const char x = (a[k] >= 'A' && a[k] <= 'Z') ? static_cast<char>(a[k] - 'A' + 'a') : a[k];
        if (x != b[k])
            return false;
    }
    return true;
}

}  // namespace

bool LexemesDot::SauterBlancsEtCommentaires()
{
    while (i < texte.size()) {
        const std::string_view reste = texte.substr(i);
        const char c = reste[0];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (reste.starts_with("/*")) {
            const size_t fin = texte.find("*/", i + 2);
            if (fin == std::string_view::npos) {
                Ouvert(kCommentaireOuvert, i);
                return false;
            }
            i = fin + 2;
        } else if (reste.starts_with("//") || c == '#') {
            const size_t fin = texte.find('\n', i);
            i = fin == std::string_view::npos ? texte.size() : fin;
        } else if (reste.starts_with(kBom) && (reste.size() == 3 || !(EstLettre(reste[3]) || EstChiffre(reste[3])))) {
            // Graphviz skips a byte order mark only when it is not the start
            // of a longer name.
            i += 3;
        } else {
            return true;
        }
    }
    return true;
}

Lexeme LexemesDot::Ouvert(const char* modele, size_t debut)
{
    const auto ligne =
        static_cast<size_t>(std::count(texte.begin(), texte.begin() + static_cast<std::ptrdiff_t>(debut), '\n')) + 1;
    char message[160];
    std::snprintf(message, sizeof message, modele, ligne);
    inacheve = message;
    i = texte.size();
    return {SorteLexeme::Fin, {}};
}

Lexeme LexemesDot::Couper(SorteLexeme sorte, size_t debut)
{
    return {sorte, texte.substr(debut, i - debut)};
}

// A backslash escapes a quote, another backslash or a line end; alone
// before anything else it is an ordinary character.
Lexeme LexemesDot::ChaineCitee()
{
    const size_t debut = i++;
    while (i < texte.size() && texte[i] != '"') {
        const bool echappe = texte[i] == '\\' && i + 1 < texte.size()
                          && (texte[i + 1] == '"' || texte[i + 1] == '\\' || texte[i + 1] == '\n');
        i += echappe ? 2 : 1;
    }
    if (i >= texte.size())
        return Ouvert(kChaineOuverte, debut);
    ++i;
    return Couper(SorteLexeme::Atome, debut);
}

Lexeme LexemesDot::ChaineHtml()
{
    const size_t debut = i++;
    size_t profondeur = 1;
    for (; i < texte.size() && profondeur > 0; ++i) {
        if (texte[i] == '<')
            ++profondeur;
        else if (texte[i] == '>')
            --profondeur;
    }
    if (profondeur > 0)
        return Ouvert(kHtmlOuvert, debut);
    return Couper(SorteLexeme::Atome, debut);
}

Lexeme LexemesDot::Nom()
{
    const size_t debut = i;
    while (i < texte.size() && (EstLettre(texte[i]) || EstChiffre(texte[i])))
        ++i;
    const std::string_view nom = texte.substr(debut, i - debut);
    // Older Graphviz matches keywords in lower case only, newer in any
    // case: "subgraph" in any case is taken as the keyword, which only
    // counts more edges, the others in lower case only.
    if (EgalSansCasse(nom, "subgraph"))
        return {SorteLexeme::SousGraphe, nom};
    if (nom == "node" || nom == "edge" || nom == "graph" || nom == "digraph" || nom == "strict")
        return {SorteLexeme::MotCle, nom};
    return {SorteLexeme::Atome, nom};
}

// A number is cut where its digits end: a letter or a second point right
// after it starts the next token, as Graphviz warns.
size_t LexemesDot::FinNombre() const
{
    size_t j = i;
    if (j < texte.size() && texte[j] == '-')
        ++j;
    const size_t chiffres = j;
    while (j < texte.size() && EstChiffre(texte[j]))
        ++j;
    const bool entier = j > chiffres;
    if (j < texte.size() && texte[j] == '.') {
        const size_t apresPoint = j + 1;
        size_t k = apresPoint;
        while (k < texte.size() && EstChiffre(texte[k]))
            ++k;
        if (entier || k > apresPoint)
            return k;
    }
    return entier ? j : i;
}

Lexeme LexemesDot::Suivant()
{
    if (!SauterBlancsEtCommentaires() || i >= texte.size())
        return {SorteLexeme::Fin, {}};
    const size_t debut = i;
    const char c = texte[i];
    if (c == '"')
        return ChaineCitee();
    if (c == '<')
        return ChaineHtml();
    if (c == '-' && i + 1 < texte.size() && (texte[i + 1] == '>' || texte[i + 1] == '-')) {
        i += 2;
        return Couper(SorteLexeme::Fleche, debut);
    }
    if (EstLettre(c))
        return Nom();
    if (const size_t fin = FinNombre(); fin > i) {
        i = fin;
        return Couper(SorteLexeme::Atome, debut);
    }
    ++i;
    switch (c) {
    case '{':
        return Couper(SorteLexeme::Accolade, debut);
    case '}':
        return Couper(SorteLexeme::FinAccolade, debut);
    case '[':
        return Couper(SorteLexeme::Crochet, debut);
    case ']':
        return Couper(SorteLexeme::FinCrochet, debut);
    case '=':
        return Couper(SorteLexeme::Egal, debut);
    case ',':
        return Couper(SorteLexeme::Virgule, debut);
    case ':':
    case '+':
        return Couper(SorteLexeme::Liaison, debut);
    case ';':
        return Couper(SorteLexeme::PointVirgule, debut);
    default:
        return Couper(SorteLexeme::Autre, debut);
    }
}

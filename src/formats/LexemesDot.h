#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The tokens of the DOT language as Graphviz's own scanner cuts them, so
// that a count made on them matches what its parser will see: comments,
// quoted strings with their escapes, nested HTML strings, numbers that end
// where a name begins, the keywords.
enum class SorteLexeme {
    Atome,  // a name, a number, a quoted or HTML string
    Fleche,
    Accolade,
    FinAccolade,
    Crochet,
    FinCrochet,
    Egal,
    Virgule,
    Liaison,  // ':' of a port, '+' between quoted strings
    PointVirgule,
    MotCle,  // node, edge, graph, digraph, strict
    SousGraphe,
    Autre,
    Fin  // the end of the text, or a string or comment that never ends
};

struct Lexeme {
    SorteLexeme sorte;
    std::string_view texte;
};

class LexemesDot {
public:
    explicit LexemesDot(std::string_view texte_) : texte(texte_) {}
    Lexeme Suivant();

    // After Fin: empty when the text ended between tokens, else a French
    // message naming the comment or string left open and its line.
    const std::string& Inacheve() const { return inacheve; }

private:
    std::string_view texte;
    size_t i = 0;
    std::string inacheve;

    Lexeme Ouvert(const char* modele, size_t debut);

    bool SauterBlancsEtCommentaires();
    Lexeme Couper(SorteLexeme sorte, size_t debut);
    Lexeme ChaineCitee();
    Lexeme ChaineHtml();
    Lexeme Nom();
    size_t FinNombre() const;
};

#include "formats/LimitesDot.h"

#include "formats/LexemesDot.h"

#include <cstdio>
#include <algorithm>
#include <limits>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kMessageTaille = "Fichier DOT trop grand : %zu octets, au plus %zu.";
constexpr const char* kMessageImbrication = "Fichier DOT trop imbriqué : plus de %zu accolades ouvertes à la fois.";
constexpr const char* kMessageChaine = "Fichier DOT refusé : plus de %zu flèches enchaînées dans une même instruction.";
constexpr const char* kMessageCreations =
    "Fichier DOT refusé : il demanderait à Graphviz plus de %zu créations de sommets et d'arcs (un arc en vaut %zu, "
    "et chaque sous-graphe qui les contient compte à part).";
constexpr const char* kMessageSousGraphes = "Fichier DOT refusé : plus de %zu sous-graphes.";
constexpr const char* kMessageNoms = "Fichier DOT refusé : plus de %zu noms d'attributs différents.";
constexpr const char* kMessageDeclarations =
    "Fichier DOT refusé : ses attributs déclarés tard coûteraient plus de %zu étapes.";

std::string Formater(const char* modele, size_t a, size_t b = 0)
{
    std::string texte(256, '\0');
    const int n = std::snprintf(texte.data(), texte.size(), modele, a, b);
    texte.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return texte;
}

size_t Somme(size_t a, size_t b)
{
    return b > std::numeric_limits<size_t>::max() - a ? std::numeric_limits<size_t>::max() : a + b;
}

size_t Produit(size_t a, size_t b)
{
    return a != 0 && b > std::numeric_limits<size_t>::max() / a ? std::numeric_limits<size_t>::max() : a * b;
}

// What came just before, at one level of braces: it tells whether the next
// name continues the statement or starts another one.
enum class Avant { Debut, Fleche, Virgule, Liaison, MotSousGraphe, NomSousGraphe, Operande };

// One level of braces. The edges of a statement are counted as the product
// of the node counts on each side of each arrow; a subgraph counts every
// name written in it, a named one everything read so far (it may have been
// filled earlier).
struct Niveau {
    Avant avant = Avant::Debut;
    size_t chaine = 0;
    size_t gauche = 0;
    size_t courant = 0;
    size_t aretes = 0;
    size_t attributs = 0;
    size_t atomes = 0;
};

class Compte {
public:
    std::string Analyser(std::string_view texte)
    {
        LexemesDot lexemes(texte);
        for (Lexeme l = lexemes.Suivant(); l.sorte != SorteLexeme::Fin && refus.empty(); l = lexemes.Suivant()) {
            Traiter(l, lexemes);
            dernier = l;
        }
        if (refus.empty())
            refus = lexemes.Inacheve();
        while (refus.empty() && !niveaux.empty()) {
            Clore(niveaux.back());
            niveaux.pop_back();
        }
        return refus;
    }

private:
    std::vector<Niveau> niveaux{1};
    size_t chainesOuvertes = 0;
    size_t creations = 0;
    size_t sousGraphes = 0;
    size_t atomesLus = 0;
    size_t declarations = 0;
    std::unordered_set<std::string_view> nomsAttributs;
    std::string refus;
    Lexeme dernier{SorteLexeme::Fin, {}};

    void Traiter(const Lexeme& l, LexemesDot& lexemes)
    {
        Niveau& n = niveaux.back();
        switch (l.sorte) {
        case SorteLexeme::Atome:
            Atome(n);
            break;
        case SorteLexeme::SousGraphe:
            Debuter(n, n.avant == Avant::Fleche || n.avant == Avant::Debut);
            n.courant = Somme(n.courant, 1);
            n.avant = Avant::MotSousGraphe;
            break;
        case SorteLexeme::Fleche:
            Fleche(n);
            break;
        case SorteLexeme::Accolade:
            Ouvrir(n);
            break;
        case SorteLexeme::FinAccolade:
            Fermer();
            break;
        case SorteLexeme::Crochet:
            Attributs(n, lexemes);
            break;
        case SorteLexeme::Virgule:
            n.avant = Avant::Virgule;
            break;
        case SorteLexeme::Egal:
            // `name = value` between statements sets an attribute of the graph.
            if (dernier.sorte == SorteLexeme::Atome)
                Declarer(dernier.texte);
            n.avant = Avant::Liaison;
            break;
        case SorteLexeme::Liaison:
            n.avant = Avant::Liaison;
            break;
        default:
            Clore(n);
            break;
        }
    }

    // A statement ends: its edges are counted once for each attribute set
    // on them.
    void Clore(Niveau& n)
    {
        if (n.chaine > 0)
            n.aretes = Somme(n.aretes, Produit(n.gauche, n.courant));
        Creer(Produit(Produit(n.aretes, n.attributs + 1), kCoutArc));
        chainesOuvertes -= n.chaine;
        n.avant = Avant::Debut;
        n.chaine = n.gauche = n.courant = n.aretes = n.attributs = 0;
    }

    // Each object goes into its graph and every enclosing one.
    void Creer(size_t cout)
    {
        creations = Somme(creations, Produit(cout, std::max<size_t>(niveaux.size() - 1, 1)));
        if (creations > kCreationsMaxDot && refus.empty())
            refus = Formater(kMessageCreations, kCreationsMaxDot, kCoutArc);
    }

    // A name, a subgraph or a brace either goes on with the statement or
    // starts the next one.
    void Debuter(Niveau& n, bool suite)
    {
        if (!suite)
            Clore(n);
    }

    void Atome(Niveau& n)
    {
        if (n.avant == Avant::Liaison) {
            n.avant = Avant::Operande;
            return;
        }
        if (n.avant == Avant::MotSousGraphe) {
            n.courant = Somme(n.courant, atomesLus);
            n.avant = Avant::NomSousGraphe;
            return;
        }
        Debuter(n, n.avant == Avant::Fleche || n.avant == Avant::Virgule || n.avant == Avant::Debut);
        n.courant = Somme(n.courant, 1);
        n.atomes = Somme(n.atomes, 1);
        atomesLus = Somme(atomesLus, 1);
        Creer(1);
        n.avant = Avant::Operande;
    }

    void Fleche(Niveau& n)
    {
        if (n.chaine > 0)
            n.aretes = Somme(n.aretes, Produit(n.gauche, n.courant));
        n.gauche = n.courant;
        n.courant = 0;
        ++n.chaine;
        ++chainesOuvertes;
        n.avant = Avant::Fleche;
        if (chainesOuvertes > kChaineMaxDot)
            refus = Formater(kMessageChaine, kChaineMaxDot);
    }

    void Ouvrir(Niveau& n)
    {
        Debuter(n, n.avant == Avant::Fleche || n.avant == Avant::Debut || n.avant == Avant::MotSousGraphe
                       || n.avant == Avant::NomSousGraphe);
        ++sousGraphes;
        if (niveaux.size() > kImbricationMaxDot)
            refus = Formater(kMessageImbrication, kImbricationMaxDot);
        else if (sousGraphes > kSousGraphesMaxDot)
            refus = Formater(kMessageSousGraphes, kSousGraphesMaxDot);
        else
            niveaux.emplace_back();
    }

    // The closing brace of the graph itself leaves the outer level alone.
    void Fermer()
    {
        if (niveaux.size() == 1) {
            Clore(niveaux.back());
            return;
        }
        Clore(niveaux.back());
        const size_t atomes = niveaux.back().atomes;
        niveaux.pop_back();
        Niveau& parent = niveaux.back();
        parent.courant = Somme(parent.courant, atomes);
        parent.atomes = Somme(parent.atomes, atomes);
        parent.avant = Avant::Operande;
    }

    // Inside brackets Graphviz accepts only `name = value` pairs: anything
    // else stops its parser there, so nothing in brackets adds to the
    // counts but the attributes themselves.
    void Attributs(Niveau& n, LexemesDot& lexemes)
    {
        std::string_view precedent;
        for (Lexeme l = lexemes.Suivant(); l.sorte != SorteLexeme::Fin && l.sorte != SorteLexeme::FinCrochet;
             l = lexemes.Suivant()) {
            if (l.sorte == SorteLexeme::Egal && !precedent.empty()) {
                ++n.attributs;
                Declarer(precedent);
            }
            precedent = l.sorte == SorteLexeme::Atome ? l.texte : std::string_view{};
        }
        n.avant = Avant::Operande;
    }

    void Declarer(std::string_view nom)
    {
        if (!nomsAttributs.insert(nom).second)
            return;
        declarations = Somme(declarations, Somme(creations, sousGraphes));
        if (nomsAttributs.size() > kNomsAttributsMaxDot)
            refus = Formater(kMessageNoms, kNomsAttributsMaxDot);
        else if (declarations > kDeclarationsMaxDot)
            refus = Formater(kMessageDeclarations, kDeclarationsMaxDot);
    }
};

}  // namespace

std::string VerifierLimitesDot(std::string_view texte)
{
    if (texte.size() > kTailleMaxDot)
        return Formater(kMessageTaille, texte.size(), kTailleMaxDot);
    return Compte().Analyser(texte);
}

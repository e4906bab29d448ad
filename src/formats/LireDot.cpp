#include "formats/LireDot.h"

#include "formats/LimitesDot.h"
#include "formats/NombresTexte.h"
#include "formats/SessionGraphviz.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace {

constexpr const char* kOctetNul = "Fichier DOT illisible : octet nul à la position %zu (un fichier DOT est du texte).";
constexpr const char* kSyntaxe = "Erreur de syntaxe DOT à la ligne %d, près de « %s ».";
constexpr const char* kGraphviz = "Fichier DOT illisible (Graphviz) : %s";
constexpr const char* kAucunGraphe = "Fichier DOT sans graphe : ni « graph » ni « digraph ».";
constexpr const char* kPoids = "Poids « %s » non numérique sur %s.";
constexpr const char* kPosition = "Position « %s » illisible pour le sommet « %s » (attendu : « x,y »).";
constexpr const char* kNumero = "Numéro « %s » illisible pour le sommet « %s » (attendu : un entier sur 32 bits).";
constexpr const char* kArc = "l'arc de « %s » vers « %s »";
constexpr const char* kArete = "l'arête entre « %s » et « %s »";

template <typename... Valeurs>
std::string Formater(const char* modele, Valeurs... valeurs)
{
    const int n = std::snprintf(nullptr, 0, modele, valeurs...);
    std::string texte(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    std::snprintf(texte.data(), texte.size() + 1, modele, valeurs...);
    return texte;
}

// Graphviz's message, in French when it is the usual syntax error.
std::string MessageErreur(const std::string& erreur)
{
    int ligne = 0;
    int lu = 0;
    if (std::sscanf(erreur.c_str(), "syntax error in line %d near '%n", &ligne, &lu) == 1 && lu > 0
        && erreur.size() > static_cast<size_t>(lu) && erreur.back() == '\'') {
        // The token can be a whole long string: its start is enough.
        constexpr size_t kDebutMontre = 40;
        std::string pres = erreur.substr(static_cast<size_t>(lu), erreur.size() - lu - 1);
        if (pres.size() > kDebutMontre) {
            size_t coupe = kDebutMontre;
            while (coupe > 0 && (static_cast<unsigned char>(pres[coupe]) & 0xC0) == 0x80)
                --coupe;
            pres = pres.substr(0, coupe) + "…";
        }
        return Formater(kSyntaxe, ligne, pres.c_str());
    }
    return Formater(kGraphviz, erreur.c_str());
}

char* Nom(const char* nom)
{
    return const_cast<char*>(nom);
}

// The value of an attribute, empty when the file does not set it.
std::string_view Attribut(void* objet, Agsym_t* symbole)
{
    if (symbole == nullptr)
        return {};
    const char* valeur = agxget(objet, symbole);
    return valeur != nullptr ? std::string_view(valeur) : std::string_view();
}

// A position is "x,y", possibly a third coordinate and a '!' that pins the
// node for Graphviz's layouts: both mean nothing here.
bool LirePosition(std::string_view texte, double& x, double& y)
{
    if (texte.ends_with('!'))
        texte.remove_suffix(1);
    const size_t virgule = texte.find(',');
    if (virgule == std::string_view::npos)
        return false;
    std::string_view reste = texte.substr(virgule + 1);
    const size_t seconde = reste.find(',');
    if (seconde != std::string_view::npos) {
        if (!LireReel(reste.substr(seconde + 1)))
            return false;
        reste = reste.substr(0, seconde);
    }
    const auto lx = LireReel(texte.substr(0, virgule));
    const auto ly = LireReel(reste);
    if (!lx || !ly)
        return false;
    x = *lx;
    y = *ly;
    return true;
}

// The frame the file's positions are read in: Graphviz's bounding box when
// it wrote one, else the plain negation TexteDot writes.
struct Repere {
    double gauche = 0;
    double haut = 0;

    explicit Repere(Agraph_t* g)
    {
        const std::string_view bb = Attribut(g, agattr(g, AGRAPH, Nom("bb"), nullptr));
        const size_t v1 = bb.find(',');
        const size_t v2 = bb.find(',', v1 + 1);
        const size_t v3 = bb.find(',', v2 + 1);
        if (v1 == std::string_view::npos || v2 == std::string_view::npos || v3 == std::string_view::npos)
            return;
        const auto llx = LireReel(bb.substr(0, v1));
        const auto ury = LireReel(bb.substr(v3 + 1));
        if (llx && ury && LireReel(bb.substr(v1 + 1, v2 - v1 - 1)) && LireReel(bb.substr(v2 + 1, v3 - v2 - 1))) {
            gauche = *llx;
            haut = *ury;
        }
    }
};

class Lecture {
public:
    Lecture(Agraph_t* g_, GrapheEchange& graphe_) : g(g_), graphe(graphe_) {}

    std::string Convertir()
    {
        graphe.oriente = agisdirected(g) != 0;
        if (std::string refus = LireSommets(); !refus.empty())
            return refus;
        return LireArcs();
    }

private:
    Agraph_t* g;
    GrapheEchange& graphe;
    std::unordered_map<Agnode_t*, size_t> indices;

    std::string LireSommets()
    {
        Agsym_t* label = agattr(g, AGNODE, Nom("label"), nullptr);
        Agsym_t* pos = agattr(g, AGNODE, Nom("pos"), nullptr);
        Agsym_t* numero = agattr(g, AGNODE, Nom("numero"), nullptr);
        const Repere repere(g);
        for (Agnode_t* n = agfstnode(g); n != nullptr; n = agnxtnode(g, n)) {
            SommetEchange s;
            s.nom = Nommer(n, label);
            if (const std::string_view texte = Attribut(n, pos); !texte.empty()) {
                double x = 0;
                double y = 0;
                if (!LirePosition(texte, x, y))
                    return Formater(kPosition, std::string(texte).c_str(), s.nom.c_str());
                s.x = x - repere.gauche;
                s.y = repere.haut - y;
            }
            if (const std::string_view texte = Attribut(n, numero); !texte.empty()) {
                s.numero = LireEntier32(texte);
                if (!s.numero)
                    return Formater(kNumero, std::string(texte).c_str(), s.nom.c_str());
            }
            indices.emplace(n, graphe.sommets.size());
            graphe.sommets.push_back(std::move(s));
        }
        return {};
    }

    // Graphviz draws the label "\N" as the node's name. An empty label
    // counts only when set over another default.
    static std::string Nommer(Agnode_t* n, Agsym_t* label)
    {
        const char* etiquette = label != nullptr ? agxget(n, label) : nullptr;
        if (etiquette == nullptr || (*etiquette == '\0' && *label->defval == '\0')
            || std::string_view(etiquette) == "\\N")
            return agnameof(n);
        return etiquette;
    }

    // Graphviz keeps each node's edges in its own order: the file's order
    // is that of creation.
    std::vector<Agedge_t*> AretesDansLOrdre() const
    {
        std::vector<Agedge_t*> aretes;
        for (Agnode_t* n = agfstnode(g); n != nullptr; n = agnxtnode(g, n))
            for (Agedge_t* e = agfstout(g, n); e != nullptr; e = agnxtout(g, e))
                aretes.push_back(e);
        std::sort(aretes.begin(), aretes.end(), [](Agedge_t* a, Agedge_t* b) { return AGSEQ(a) < AGSEQ(b); });
        return aretes;
    }

    std::string LireArcs()
    {
        Agsym_t* weight = agattr(g, AGEDGE, Nom("weight"), nullptr);
        Agsym_t* label = agattr(g, AGEDGE, Nom("label"), nullptr);
        for (Agedge_t* e : AretesDansLOrdre()) {
            ArcEchange a;
            a.origine = indices.at(agtail(e));
            a.cible = indices.at(aghead(e));
            if (const std::string_view poids = Attribut(e, weight); !poids.empty()) {
                a.poids = LireReel(poids);
                if (!a.poids)
                    return Formater(kPoids, std::string(poids).c_str(), NommerArc(a).c_str());
            } else {
                a.poids = LireReel(Attribut(e, label));
            }
            graphe.arcs.push_back(a);
        }
        return {};
    }

    std::string NommerArc(const ArcEchange& a) const
    {
        return Formater(graphe.oriente ? kArc : kArete, graphe.sommets[a.origine].nom.c_str(),
                        graphe.sommets[a.cible].nom.c_str());
    }
};

}  // namespace

std::string LireDot(std::string_view texte, GrapheEchange& graphe)
{
    graphe = GrapheEchange{};
    if (const size_t nul = texte.find('\0'); nul != std::string_view::npos)
        return Formater(kOctetNul, nul);
    if (std::string refus = VerifierLimitesDot(texte); !refus.empty())
        return refus;
    SessionGraphviz session;
    const SessionGraphviz::Graphe g = session.Lire(std::string(texte));
    if (!g) {
        const std::string erreur = session.Erreur();
        return erreur.empty() ? kAucunGraphe : MessageErreur(erreur);
    }
    std::string refus = Lecture(g.get(), graphe).Convertir();
    if (!refus.empty())
        graphe = GrapheEchange{};
    return refus;
}

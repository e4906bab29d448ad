#include "GrapheAleatoire.h"

#include "model/FormatGff.h"
#include "model/RemplissageGraphe.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <numeric>

#include <cmath>
#include <cstring>
#include <random>

namespace {

GrapheGenere Sommets(int n, std::mt19937& alea)
{
    GrapheGenere g;
    std::uniform_int_distribution<int32_t> coordonnee(10, 1500);
    for (int i = 0; i < n; ++i) {
        g.noms.push_back("S" + std::to_string(i));
        g.positions.emplace_back(coordonnee(alea), coordonnee(alea));
    }
    g.sortants.resize(size_t(n));
    return g;
}

// The list order `ordre` (positions to indices) applied to a graph listed by index.
GrapheGenere Reordonner(const GrapheGenere& g, const std::vector<int>& ordre)
{
    std::vector<int> position(ordre.size());
    for (size_t p = 0; p < ordre.size(); ++p)
        position[size_t(ordre[p])] = int(p);
    GrapheGenere r;
    r.oriente = g.oriente;
    for (int indice : ordre) {
        r.noms.push_back(g.noms[size_t(indice)]);
        r.positions.push_back(g.positions[size_t(indice)]);
        r.sortants.emplace_back();
        for (const ArcGenere& arc : g.sortants[size_t(indice)])
            r.sortants.back().push_back({position[size_t(arc.cible)], arc.poids});
    }
    return r;
}

GrapheGenere Aleatoire(int n, std::mt19937& alea, bool sansCircuit)
{
    GrapheGenere g = Sommets(n, alea);
    std::uniform_int_distribution<int> sommet(0, n - 1);
    std::uniform_int_distribution<int32_t> poids(1, 100);
    for (int k = 0; k < 5 * n; ++k) {
        int a = sommet(alea);
        int b = sommet(alea);
        if (sansCircuit && a == b)
            b = (a + 1) % n;
        if (sansCircuit && a > b)
            std::swap(a, b);
        g.sortants[size_t(a)].push_back({b, poids(alea)});
    }
    return g;
}

// A square grid with its right and down edges and every other diagonal:
// about 2.5 n edges, 5 n arc records.
GrapheGenere Grille(int n, std::mt19937& alea)
{
    const int cote = std::max(1, int(std::lround(std::sqrt(double(n)))));
    GrapheGenere g = Sommets(cote * cote, alea);
    g.oriente = false;
    std::uniform_int_distribution<int32_t> poids(1, 100);
    const auto arete = [&](int a, int b) {
        const int32_t p = poids(alea);
        g.sortants[size_t(a)].push_back({b, p});
        g.sortants[size_t(b)].push_back({a, p});
    };
    for (int i = 0; i < cote; ++i) {
        for (int j = 0; j < cote; ++j) {
            const int v = i * cote + j;
            g.positions[size_t(v)] = {30 + 40 * j, 30 + 40 * i};
            if (j + 1 < cote)
                arete(v, v + 1);
            if (i + 1 < cote)
                arete(v, v + cote);
            if (i + 1 < cote && j + 1 < cote && (i + j) % 2 == 0)
                arete(v, v + cote + 1);
        }
    }
    return g;
}

}  // namespace

GrapheGenere Tirer(const Tirage& t)
{
    std::mt19937 alea(t.graine);
    return Tirer(t, alea);
}

GrapheGenere Tirer(const Tirage& t, std::mt19937& alea)
{
    GrapheGenere g;
    g.oriente = t.oriente;
    std::uniform_int_distribution<int32_t> coordonnee(t.coordonneeMin, t.coordonneeMax);
    for (int i = 0; i < t.sommets; ++i) {
        g.noms.push_back(t.lettres ? std::string(1, char('A' + i)) : "S" + std::to_string(i));
        g.positions.emplace_back(coordonnee(alea), coordonnee(alea));
    }
    g.sortants.resize(size_t(std::max(t.sommets, 0)));
    const auto tirer = [&alea](int bas, int haut) { return std::uniform_int_distribution<int>(bas, haut)(alea); };
    const auto poids = [&]() -> int32_t {
        if (!t.poidsRares.empty() && tirer(0, 9) == 0)
            return t.poidsRares[size_t(tirer(0, int(t.poidsRares.size()) - 1))];
        return std::uniform_int_distribution<int32_t>(t.poidsMin, t.poidsMax)(alea);
    };
    for (int k = 0; k < t.arcs && t.sommets > 0; ++k) {
        const bool branche = t.arbreCouvrant && k + 1 < t.sommets;
        int a = branche ? tirer(0, k) : tirer(0, t.sommets - 1);
        int b = branche ? k + 1 : tirer(0, t.sommets - 1);
        const int32_t p = poids();
        if (t.sansCircuit && a == b)
            continue;
        if (t.sansCircuit && a > b)
            std::swap(a, b);
        g.sortants[size_t(a)].push_back({b, p});
        if (!t.oriente)
            g.sortants[size_t(b)].push_back({a, p});
    }
    if (!t.melange)
        return g;
    std::vector<int> ordre(g.noms.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::shuffle(ordre.begin(), ordre.end(), alea);
    return Reordonner(g, ordre);
}

void Remplir(TGraphe& g, const GrapheGenere& graphe)
{
    g.FixerOriente(true);
    RemplissageGraphe remplissage(g);
    for (size_t v = 0; v < graphe.noms.size(); ++v)
        remplissage.AjouterSommet(graphe.noms[v].c_str(), graphe.positions[v].first, graphe.positions[v].second);
    // Arcs one direction at a time: the description holds both of an edge.
    for (size_t v = 0; v < graphe.noms.size(); ++v) {
        for (const ArcGenere& arc : graphe.sortants[v])
            remplissage.AjouterArc(graphe.noms[v].c_str(), graphe.noms[size_t(arc.cible)].c_str(), arc.poids);
    }
    g.FixerOriente(graphe.oriente);
}

int GrapheGenere::NombreArcs() const
{
    int total = 0;
    for (const auto& arcs : sortants)
        total += int(arcs.size());
    return total;
}

const char* NomForme(Forme forme)
{
    switch (forme) {
    case Forme::Aleatoire:
        return "aleatoire";
    case Forme::SansCircuit:
        return "sans circuit";
    case Forme::Grille:
        return "grille";
    }
    return "";
}

GrapheGenere Generer(Forme forme, int n, uint32_t graine)
{
    std::mt19937 alea(graine);
    switch (forme) {
    case Forme::Aleatoire:
        return Aleatoire(n, alea, false);
    case Forme::SansCircuit:
        return Aleatoire(n, alea, true);
    case Forme::Grille:
        return Grille(n, alea);
    }
    return {};
}

std::vector<unsigned char> EnGff(const GrapheGenere& g)
{
    using namespace gff;
    std::vector<unsigned char> octets(kSignature, kSignature + kTailleSignature);
    AjouterEntier(octets, int32_t(g.noms.size()));
    AjouterEntier(octets, g.NombreArcs());
    octets.push_back(g.oriente ? 1 : 0);
    AjouterTexte(octets, "", kTailleChemin);
    for (size_t v = 0; v < g.noms.size(); ++v) {
        const auto enregistrement = [&](size_t sommet, int32_t valeur) {
            Sommet s;
            CopierNom(s.nom, g.noms[sommet].c_str());
            s.x = g.positions[sommet].first;
            s.y = g.positions[sommet].second;
            s.valeur = valeur;
            AjouterEnregistrement(octets, s);
        };
        AjouterEntier(octets, int32_t(g.sortants[v].size()));
        enregistrement(v, 0);
        for (const ArcGenere& arc : g.sortants[v])
            enregistrement(size_t(arc.cible), arc.poids);
    }
    return octets;
}

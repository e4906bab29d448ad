#include "Generateurs.h"

#include "model/FormatGff.h"

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
    case Forme::Aleatoire: return "aleatoire";
    case Forme::SansCircuit: return "sans circuit";
    case Forme::Grille: return "grille";
    }
    return "";
}

GrapheGenere Generer(Forme forme, int n, uint32_t graine)
{
    std::mt19937 alea(graine);
    switch (forme) {
    case Forme::Aleatoire: return Aleatoire(n, alea, false);
    case Forme::SansCircuit: return Aleatoire(n, alea, true);
    case Forme::Grille: return Grille(n, alea);
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

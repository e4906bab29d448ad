#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reproducible graphs for timing, described once and then written as a
// ".gff" file (for our program) or handed to Boost (for the reference).
enum class Forme { Aleatoire, SansCircuit, Grille };

struct ArcGenere {
    int cible;
    int32_t poids;
};

struct GrapheGenere {
    bool oriente = true;
    std::vector<std::string> noms;
    std::vector<std::pair<int32_t, int32_t>> positions;
    std::vector<std::vector<ArcGenere>> sortants;  // both directions for a non-oriented graph
    int NombreArcs() const;
};

const char* NomForme(Forme forme);
// About n vertices and 5n arc records, positive weights, fixed seed.
GrapheGenere Generer(Forme forme, int n, uint32_t graine);
std::vector<unsigned char> EnGff(const GrapheGenere& graphe);

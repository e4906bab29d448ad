#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

class TGraphe;

// Reproducible random graphs for the tests, the benchmark and the fuzzing
// seeds: described once, then built in a graph through the store's
// operations or written as a ".gff" file (or handed to Boost).

struct ArcGenere {
    int cible;
    int32_t poids;
};

// Vertices in list order; their outgoing arcs in chain order, both
// directions for a non-oriented graph.
struct GrapheGenere {
    bool oriente = true;
    std::vector<std::string> noms;
    std::vector<std::pair<int32_t, int32_t>> positions;
    std::vector<std::vector<ArcGenere>> sortants;
    int NombreArcs() const;
};

// `sommets` vertices and `arcs` draws of two random ends, each an arc (an
// edge, stored both ways, when not `oriente`). Names are "S0", "S1"... or
// with `lettres` "A", "B"... With `sansCircuit` every arc runs from a smaller
// to a larger index (loops are left out); with `arbreCouvrant` the first
// draws join each vertex from 1 on to a random earlier one, so the graph is
// connected; one weight in ten is taken from `poidsRares` when it has any;
// with `melange` the vertices are listed in a shuffled order, not by index.
struct Tirage {
    int sommets = 0;
    int arcs = 0;
    bool oriente = true;
    bool lettres = false;
    bool sansCircuit = false;
    bool arbreCouvrant = false;
    bool melange = false;
    int32_t poidsMin = 1;
    int32_t poidsMax = 1;
    std::vector<int32_t> poidsRares;
    int32_t coordonneeMin = 0;
    int32_t coordonneeMax = 0;
    uint32_t graine = 0;
};
GrapheGenere Tirer(const Tirage& tirage);
// With the caller's engine (`graine` unused), for the many small graphs of one test.
GrapheGenere Tirer(const Tirage& tirage, std::mt19937& alea);

// The benchmark's shapes: about n vertices and 5n arc records, positive weights.
enum class Forme { Aleatoire, SansCircuit, Grille };
const char* NomForme(Forme forme);
GrapheGenere Generer(Forme forme, int n, uint32_t graine);

// Builds the graph in an empty `g`, in list and chain order, through
// RemplissageGraphe (no walk of the list per record).
void Remplir(TGraphe& g, const GrapheGenere& graphe);
std::vector<unsigned char> EnGff(const GrapheGenere& graphe);

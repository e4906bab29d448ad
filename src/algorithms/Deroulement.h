#pragma once

#include "model/Sommet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IndexNumeros;
class TGraphe;

// The steps of one run, recorded on request for the tables taught in class.
// A run given no recorder (a null pointer) records nothing and pays only
// that pointer's test; the runs take the same decisions either way.

enum class AlgorithmeDeroule : uint8_t { Dijkstra, Bellman, Ford, Kruskal1, Kruskal2 };

// Beyond this many vertices a path table (a row per vertex, a column per
// vertex) would take more memory than anyone can read: nothing is recorded.
constexpr int32_t kSommetsMaxDeroulement = 500;

// One row of a path table; vertices are columns, in list order.
struct EtapeChemin {
    int32_t sommet = -1;                 // the vertex settled or reached; -1 for a Ford pass
    std::vector<int64_t> distances;      // as the run computes them: 1000000 or more is infinite
    std::vector<int32_t> predecesseurs;  // columns, -1 for none
    std::vector<bool> regles;            // Dijkstra's settled vertices; empty for the others
    int32_t arcOrigine = -1;             // Bellman: the incoming arc that gave the value
    int32_t arcPoids = 0;
};

enum class Raison : uint8_t { SansCycle, FermeUnCycle, Deconnecterait, ResteConnexe, HorsLimite };

// One row of a spanning-tree table: an arc considered, in the order of the run.
struct EtapeArbre {
    std::string origine;  // Windows-1252 names
    std::string cible;
    int32_t poids = 0;  // as the run sees it
    bool garde = false;
    Raison raison = Raison::SansCycle;
};

class Deroulement {
public:
    explicit Deroulement(AlgorithmeDeroule algorithme_) : algorithme(algorithme_) {}

    // ---- Recording, by the runs --------------------------------------------
    // Takes the columns (the vertices in list order), the two names asked
    // for, and whether the weights are negated; forgets any earlier run.
    void Commencer(const TGraphe& graphe, const char* depart = "", const char* arrivee = "");
    // Maps the run's vertex numbers to columns. Past kSommetsMaxDeroulement
    // vertices, the path rows noted afterwards are dropped.
    void Numeroter(const IndexNumeros& index);
    bool Enregistre() const { return !tropGrand; }

    // Tables indexed by the numbers given to Numeroter.
    void NoterReglement(int32_t numero, const std::vector<int64_t>& distance, const std::vector<int32_t>& predecesseur,
                        const std::vector<bool>& regle);
    void NoterAtteint(int32_t numero, const std::vector<int64_t>& distance, const std::vector<int32_t>& predecesseur,
                      int32_t arcOrigine, int32_t arcPoids);
    void NoterPasse(const std::vector<int64_t>& valeur, const std::vector<int32_t>& predecesseur);
    // The vertices of an absorbing circuit by number, in the arcs' direction;
    // empty when the run could not name them.
    void NoterCircuitAbsorbant(const std::vector<int32_t>& circuit);
    void NoterArc(const char* origine, const char* cible, int32_t poids, bool garde, Raison raison);

    // ---- Reading -----------------------------------------------------------
    AlgorithmeDeroule Algorithme() const { return algorithme; }
    const std::vector<std::string>& Colonnes() const { return colonnes; }
    const std::string& Depart() const { return depart; }
    const std::string& Arrivee() const { return arrivee; }
    // The run worked on negated weights; what is shown undoes it.
    bool PoidsInverses() const { return poidsInverses; }
    bool TropGrand() const { return tropGrand; }
    const std::vector<EtapeChemin>& Chemins() const { return chemins; }
    const std::vector<EtapeArbre>& Arbres() const { return arbres; }
    // Ford: whether the passes found an absorbing circuit, and its vertices as columns.
    bool CircuitAbsorbant() const { return circuit.has_value(); }
    const std::vector<int32_t>& Circuit() const { return *circuit; }
    // True when the run recorded nothing: it was refused before it started.
    bool Vide() const { return chemins.empty() && arbres.empty() && !tropGrand && !circuit; }

private:
    AlgorithmeDeroule algorithme;
    std::vector<std::string> colonnes;
    std::vector<const Sommet*> sommets;  // the vertex records, by column
    std::vector<int32_t> colonneDe;      // by vertex number
    std::string depart;
    std::string arrivee;
    bool poidsInverses = false;
    bool tropGrand = false;
    std::vector<EtapeChemin> chemins;
    std::vector<EtapeArbre> arbres;
    std::optional<std::vector<int32_t>> circuit;

    EtapeChemin Photographier(int32_t numero, const std::vector<int64_t>& distance,
                              const std::vector<int32_t>& predecesseur) const;
    int32_t Colonne(int32_t numero) const;
};

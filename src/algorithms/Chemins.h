#pragma once

#include <cstdint>
#include <span>

class Deroulement;
class IndexNumeros;
class TGraphe;

// The absent predecessor of a path table, and the infinite distance.
constexpr int32_t kAucunSommet = 1000000;

// Each asks for the departure and arrival names, then opens the path found
// in a window of its own or says why there is none. With a recorder, the
// steps of a run that gets under way are recorded in it too.
void Dijkstra(TGraphe& graphe, Deroulement* deroulement = nullptr);
void Bellman(TGraphe& graphe, Deroulement* deroulement = nullptr);
void Ford(TGraphe& graphe, Deroulement* deroulement = nullptr);

// Opens a window owned by the graph's one holding the path that ends at
// vertex `fin`, walked back through `predecesseur` (indexed by vertex number)
// until kAucunSommet, a number outside the table or a vertex met before.
// Negated weights are restored first.
void AfficherChemin(TGraphe& graphe, std::span<const int32_t> predecesseur, int32_t fin);
// The same with the index of the run that computed the table, which must
// index exactly the table's numbers.
void AfficherChemin(TGraphe& graphe, const IndexNumeros& index, std::span<const int32_t> predecesseur, int32_t fin);

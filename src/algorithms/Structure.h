#pragma once

#include <cstdint>

class TGraphe;

// Starts of a breadth-first traversal from the first vertex, restarting from
// the first unreached vertex in list order: following arcs both ways for the
// connected components, forwards only for the strong ones (so 1 exactly when
// every vertex is reachable from the first). They leave `marque` set on
// every vertex reached.
int32_t NbComposantesConnexes(TGraphe& graphe);
bool EstConnexe(TGraphe& graphe);
int32_t NbComposantesFortementConnexes(TGraphe& graphe);
bool EstFortementConnexe(TGraphe& graphe);
// At least 2 vertices, one edge fewer than vertices, connected.
bool EstArbre(TGraphe& graphe);
// A tree whose every vertex is reachable from the first of the list.
bool EstArborescence(TGraphe& graphe);
// Connected, and every vertex of even DegreEulerien.
bool EstEulerien(TGraphe& graphe);

// The degree that the Eulerian test counts, from the vertex's half-degrees:
// their sum in an oriented graph; in a non-oriented one its edge ends, one
// per edge and two per loop, which are the records of its own chain since
// each edge is stored once from each end.
int32_t DegreEulerien(const TGraphe& graphe, int32_t demiDegreInterieur, int32_t demiDegreExterieur);
// The Eulerian test's degree condition, apart from its connectivity.
bool DegresEuleriensPairs(const TGraphe& graphe);
// The tree test's counts, apart from its connectivity.
bool CompteDUnArbre(const TGraphe& graphe);

// The five "Détection" commands: their answer in a message box, no repaint.
void CommandeConnexite(TGraphe& graphe);
void CommandeForteConnexite(TGraphe& graphe);
void CommandeArbre(TGraphe& graphe);
void CommandeArborescence(TGraphe& graphe);
void CommandeEulerien(TGraphe& graphe);

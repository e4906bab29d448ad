#pragma once

#include <cstdint>

class TGraphe;

// Starts of a breadth-first traversal from the first vertex, following arcs
// both ways and restarting from the first unreached vertex in list order. It
// leaves `marque` set on every vertex reached.
int32_t NbComposantesConnexes(TGraphe& graphe);
bool EstConnexe(TGraphe& graphe);
// Classes of vertices that reach each other along the arcs, whatever the
// list order; 1 for an empty graph. Leaves `marque` set on every vertex.
int32_t NbComposantesFortementConnexes(TGraphe& graphe);
bool EstFortementConnexe(TGraphe& graphe);
// At least 2 vertices, one edge fewer than vertices, connected.
bool EstArbre(TGraphe& graphe);
// A tree with a vertex, anywhere in the list, that reaches every vertex.
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

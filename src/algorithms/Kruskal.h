#pragma once

#include "model/Sommet.h"

class Deroulement;
class TGraphe;

// Fills `origine` and `cible` with the ends of the heaviest unmarked arc
// weighing more than -1000000 (the first in list and chain order among
// equals) and returns that arc; null, buffers untouched, when none is.
Arc* ArcLePlusLourd(const TGraphe& graphe, char (&origine)[kTailleNom], char (&cible)[kTailleNom]);
// Breadth-first along the arcs, restarting from the first unreached vertex
// in list order: true at the first arc that leads to a vertex already
// reached. Leaves the vertices' marks as the traversal set them.
bool ContientCycle(TGraphe& graphe);

// Opens a window, owned by the graph's one, holding the tree that keeps the
// heaviest arcs that close no cycle, with the weights as entered.
void Kruskal1(TGraphe& graphe, Deroulement* deroulement = nullptr);
// Removes arcs from the heaviest down wherever the graph stays connected
// without them; the arcs kept are marked.
void Kruskal2(TGraphe& graphe, Deroulement* deroulement = nullptr);

// The menu commands: the "min" tree of Kruskal n°1 and the "max" tree of
// Kruskal n°2 run between two negations of every weight. Both repaint.
// With a recorder, each arc considered is recorded in it.
void CommandeKruskal1(TGraphe& graphe, bool arbreMinimum, Deroulement* deroulement = nullptr);
void CommandeKruskal2(TGraphe& graphe, bool arbreMinimum, Deroulement* deroulement = nullptr);

#pragma once

class Deroulement;
class TGraphe;

// The path commands of the "Traitement" menu: the run, then the repaint of the
// source window. The maximal variant runs the minimising algorithm on negated
// weights and restores them unless the path window has done so already.
// The recorder, when there is one, goes to the algorithm.
using AlgorithmeChemin = void (*)(TGraphe&, Deroulement*);
void CheminMinimal(TGraphe& graphe, AlgorithmeChemin algorithme, Deroulement* deroulement = nullptr);
void CheminMaximal(TGraphe& graphe, AlgorithmeChemin algorithme, Deroulement* deroulement = nullptr);

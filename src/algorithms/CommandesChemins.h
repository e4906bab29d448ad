#pragma once

class TGraphe;

// The path commands of the "Traitement" menu: the run, then the repaint of the
// source window. The maximal variant runs the minimising algorithm on negated
// weights and restores them unless the path window has done so already.
void CheminMinimal(TGraphe& graphe, void (*algorithme)(TGraphe&));
void CheminMaximal(TGraphe& graphe, void (*algorithme)(TGraphe&));

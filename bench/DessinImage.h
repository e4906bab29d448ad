#pragma once

class TGraphe;

// Paints the graph at scale 1 on a white image of the fitted window's size,
// as a graph window's repaint does.
void DessinerDansImage(TGraphe& graphe);

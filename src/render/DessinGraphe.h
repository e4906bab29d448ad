#pragma once

#include <cstdint>

class Canevas;
class TGraphe;

// Draws every vertex, arc, loop and weight, scaled by `echelle` and then
// shifted by the offsets, with the canvas's current pen and font. Leaves the
// canvas's brush clear and its font colour at the last one used.
void DessinerGraphe(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY, float echelle);

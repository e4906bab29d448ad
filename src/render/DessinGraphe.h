#pragma once

#include "model/Avancement.h"

#include <cstdint>

class Canevas;
class TGraphe;

// Draws every vertex, arc, loop and weight, scaled by `echelle` and then
// shifted by the offsets, with the canvas's current pen and font. Leaves the
// canvas's brush clear and its font colour at the last one used. Files and
// pages follow the drawing with `avancement`; a window's painting must not.
void DessinerGraphe(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY, float echelle,
                    Avancement avancement = {});

// A rectangle of the canvas, its edges included.
struct ZoneDessin {
    int32_t gauche;
    int32_t haut;
    int32_t droite;
    int32_t bas;
};

// The same drawing less every vertex and arc lying wholly outside `zone`:
// inside it the pixels come out as DessinerGraphe's, at a cost that follows
// what the zone shows. For the part of a window that needs repainting.
void DessinerGrapheDans(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY, float echelle,
                        ZoneDessin zone);

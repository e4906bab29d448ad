#pragma once

#include "model/Avancement.h"

#include <cstdint>
#include <vector>

class Canevas;
class TGraphe;
struct Sommet;

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

// The same drawing less every vertex and arc that meets none of `zones`: for
// a window's region made of many small parts, such as a moved vertex's arcs
// leave behind, where one rectangle round them would take in most of the
// window. The canvas must clip to the zones.
void DessinerGrapheDansZones(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY,
                             float echelle, const std::vector<ZoneDessin>& zones);

// What one step of a vertex's move changes in the drawing, within `cadre`:
// the places `sommet` covered at (departX, departY), and covers where it now
// is, with its label and every arc that leaves or reaches it (line, head,
// weight). Generous by a few pixels; small rectangles along each line. The
// arcs that reach `sommet` must already carry its new place, as
// TGraphe::DeplacerSommet leaves them.
std::vector<ZoneDessin> ZonesDeplacement(const TGraphe& graphe, Canevas& canevas, const Sommet& sommet, int32_t departX,
                                         int32_t departY, ZoneDessin cadre, int32_t decalageX, int32_t decalageY,
                                         float echelle);

#pragma once

#include "render/DessinGraphe.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Where a set of rectangles lies, on a grid of square cells, so that whether
// a box or a line meets one of them costs the same for two rectangles or two
// thousand: a window's region made of many small parts then culls a large
// graph as fast as one rectangle does. Answers err only towards yes: a cell
// counts as taken as soon as one rectangle reaches into it.
class CarteZones {
public:
    explicit CarteZones(const std::vector<ZoneDessin>& zones);

    // Whether the box, its edges included, may meet a rectangle.
    bool Rencontre(int64_t gauche, int64_t haut, int64_t droite, int64_t bas) const;
    // Whether a point within `marge` of the segment may lie in a rectangle.
    bool RencontreSegment(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t marge) const;

private:
    int64_t origineX = 0;
    int64_t origineY = 0;
    int64_t cote = 1;
    int64_t colonnes = 0;
    int64_t lignes = 0;
    // Taken cells above and left of each grid corner, (lignes + 1) rows of
    // (colonnes + 1).
    std::vector<int32_t> cumuls;

    int32_t& Cumul(int64_t colonne, int64_t ligne) { return cumuls[size_t(ligne * (colonnes + 1) + colonne)]; }
    int32_t Cumul(int64_t colonne, int64_t ligne) const { return cumuls[size_t(ligne * (colonnes + 1) + colonne)]; }
    bool RencontreLeLongDeX(double x1, double y1, double x2, double y2, int64_t marge, bool transpose) const;
};

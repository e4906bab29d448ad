#pragma once

#include "model/ServicesFenetre.h"
#include "render/DessinGraphe.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Where the drawing of an item may put pixels, for culling and for the
// repaint of a moved vertex.

// Beyond the pen and the glyphs' overhang.
constexpr int64_t kMarge = 4;

// Bounds of what an item may paint, in canvas pixels, generous rather than
// tight: culling must never drop a pixel.
struct Boite {
    int64_t gauche;
    int64_t haut;
    int64_t droite;
    int64_t bas;

    Boite Union(const Boite& autre) const
    {
        return {std::min(gauche, autre.gauche), std::min(haut, autre.haut), std::max(droite, autre.droite),
                std::max(bas, autre.bas)};
    }
    bool Rencontre(const ZoneDessin& zone) const
    {
        return gauche <= zone.droite && droite >= zone.gauche && haut <= zone.bas && bas >= zone.haut;
    }
};

// The rectangles a move repaints, cut to the window's part in view.
class Emprise {
public:
    explicit Emprise(ZoneDessin cadre_) : cadre(cadre_) {}

    void Ajouter(const Boite& boite);
    // One box round the line will not do: a long arc's would take in most of
    // the window. Rectangles a step long along the longer axis, as wide as the
    // line's run over the step and the margin, follow the part in view.
    void AjouterLigne(Point p1, Point p2);

    std::vector<ZoneDessin> Zones() && { return std::move(zones); }

private:
    ZoneDessin cadre;
    std::vector<ZoneDessin> zones;

    // The share of the line, from p1 (0) to p2 (1), within the frame and
    // its margin; none when it passes outside.
    std::optional<std::pair<double, double>> PartieEnVue(Point p1, Point p2) const;
};

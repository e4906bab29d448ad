#pragma once

#include "render/Canevas.h"

#include <cstdint>
#include <string_view>

// Draws nothing and records nothing: for runs where only what the drawing
// computes on the way matters (sanitizers, fuzzing), not what it draws.
class CanevasMuet : public Canevas {
public:
    void FixerPlume(CouleurRvb, int32_t) override {}
    void FixerPinceauTransparent() override {}
    void FixerCouleurPolice(CouleurRvb) override {}
    void Ellipse(int32_t, int32_t, int32_t, int32_t) override {}
    void DeplacerVers(int32_t, int32_t) override {}
    void TracerLigneVers(int32_t, int32_t) override {}
    void EcrireTexte(int32_t, int32_t, std::string_view) override {}
    int32_t LargeurTexte(std::string_view texte) override { return 7 * static_cast<int32_t>(texte.size()); }
    void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
    void FixerNomPolice(std::string_view) override {}
    void FixerHauteurPolice(int32_t) override {}
    void FixerTaillePolice(int32_t) override {}
    int32_t HauteurTexte(std::string_view) override { return 13; }
    int32_t ResolutionVerticale() override { return 96; }
};

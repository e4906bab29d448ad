#pragma once

#include <cstdint>
#include <string_view>

// An RGB colour, each component 0 to 255.
struct CouleurRvb {
    uint8_t rouge = 0;
    uint8_t vert = 0;
    uint8_t bleu = 0;
    friend bool operator==(CouleurRvb, CouleurRvb) = default;
};

// A drawing surface as the graph drawing sees it: a window's client area, a
// printed page or an image. Coordinates are device pixels, x to the right,
// y downwards. Texts are the raw Windows-1252 bytes of vertex names and
// numbers; the surface converts them for display.
//
// Lines and outlines use the surface's current pen and texts its current
// font. The graph drawing changes neither; the printed page chooses its pen
// and fonts and frames its title.
class Canevas {
public:
    virtual ~Canevas() = default;

    // Later lines and outlines: solid, of this colour, `epaisseur` device
    // pixels wide. Taken by the surface even when it seems to have that pen.
    virtual void FixerPlume(CouleurRvb couleur, int32_t epaisseur) = 0;
    // Later ellipses are hollow and later texts have no background.
    virtual void FixerPinceauTransparent() = 0;
    // Colour of later texts; lines keep the pen's colour.
    virtual void FixerCouleurPolice(CouleurRvb couleur) = 0;
    // Outline inscribed in the box; the right and bottom edges are excluded,
    // as the window system's own ellipse does.
    virtual void Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) = 0;
    // Sets the current position without drawing.
    virtual void DeplacerVers(int32_t x, int32_t y) = 0;
    // Draws from the current position to (x, y), which becomes current.
    virtual void TracerLigneVers(int32_t x, int32_t y) = 0;
    // Draws the text with its top-left corner (not its baseline) at (x, y).
    virtual void EcrireTexte(int32_t x, int32_t y, std::string_view texteCp1252) = 0;
    // Width in device pixels of the text in the current font.
    virtual int32_t LargeurTexte(std::string_view texteCp1252) = 0;

    // Outline with the current pen, interior with the current brush; the
    // right and bottom edges are excluded, as for the ellipse.
    virtual void Rectangle(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) = 0;
    // The face of later texts, by family name ("Arial").
    virtual void FixerNomPolice(std::string_view nom) = 0;
    // Later texts in a character cell (ascent plus descent) this many pixels high.
    virtual void FixerHauteurPolice(int32_t pixels) = 0;
    // Later texts at this size, in points of the surface's own resolution.
    virtual void FixerTaillePolice(int32_t points) = 0;
    // Height in device pixels of the text's line in the current font.
    virtual int32_t HauteurTexte(std::string_view texteCp1252) = 0;
    // Dots per inch of the surface, vertically.
    virtual int32_t ResolutionVerticale() = 0;
};

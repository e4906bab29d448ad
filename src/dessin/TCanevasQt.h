#pragma once

#include "CacheTextes.h"
#include "render/Canevas.h"

#include <QPen>
#include <QPoint>

class QPainter;

// The graph drawing's canvas on a QPainter (a widget, an image, a printer).
// Lines and outlines use the painter's pen and brush and texts its font, as
// they are when the canvas is made; set them on the painter beforehand
// (PoliceEcran() on screen), or through the canvas for the page's fonts.
// The text colour is the canvas's own, black at first, so that coloured
// texts never tint the lines. The canvas keeps the glyphs of the texts it
// writes again: make one for each drawing.
class TCanevasQt : public Canevas {
public:
    explicit TCanevasQt(QPainter& peintre);

    void FixerPlume(CouleurRvb couleur, int32_t epaisseur) override;
    void FixerPinceauTransparent() override;
    void FixerCouleurPolice(CouleurRvb couleur) override;
    void Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) override;
    void DeplacerVers(int32_t x, int32_t y) override;
    void TracerLigneVers(int32_t x, int32_t y) override;
    void EcrireTexte(int32_t x, int32_t y, std::string_view texteCp1252) override;
    int32_t LargeurTexte(std::string_view texteCp1252) override;
    void Rectangle(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) override;
    void FixerNomPolice(std::string_view nom) override;
    void FixerHauteurPolice(int32_t pixels) override;
    void FixerTaillePolice(int32_t points) override;
    int32_t HauteurTexte(std::string_view texteCp1252) override;
    int32_t ResolutionVerticale() override;

private:
    QPainter& peintre;
    CouleurRvb couleurPolice;
    QPen plumeTexte{Qt::black};
    CacheTextes textes;
    QPoint position;
};

#pragma once

#include "render/Canevas.h"

#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include <string>

class QIODevice;

// The graph drawing's canvas as an SVG document written as it is drawn:
// each line, outline and text goes to `sortie` at once, so that drawing a
// graph of any size holds no more than one element in memory. Texts are
// measured with the font a window uses and written as text. The document
// starts when the canvas is made (white, `taille` pixels, `titre`) and ends
// with Terminer().
class CanevasSvg : public Canevas {
public:
    CanevasSvg(QIODevice& sortie, QSize taille, std::string_view titre, const QFont& police);
    void Terminer();

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
    void Ecrire(const std::string& element);
    void FixerPolice(const QFont& nouvelle);
    std::string Trait() const;

    QIODevice& sortie;
    QFont police;
    QFontMetrics metriques;
    std::string couleurPlume = "#000000";
    int32_t epaisseur = 1;
    std::string couleurTexte = "#000000";
    std::string attributsPolice;
    int32_t positionX = 0;
    int32_t positionY = 0;
};

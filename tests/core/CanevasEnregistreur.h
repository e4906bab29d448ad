#pragma once

#include "render/Canevas.h"

#include <cstdint>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A canvas that draws nothing and logs every call, one line per call, so
// that tests compare exact coordinates:
//   "plume R V B E", "pinceau transparent", "couleur R V B", "ellipse G H D B",
//   "deplacer X Y", "ligne X Y", "texte X Y <bytes>", "largeur <bytes>",
//   "rectangle G H D B", "police <name>", "pixels N", "points N",
//   "hauteur <bytes>".
// A text is `largeurCaractere` pixels wide per byte and as high as the
// font's cell: the pixels last set, or the points last set at `resolution`.
class CanevasEnregistreur : public Canevas {
public:
    std::vector<std::string> appels;
    int32_t largeurCaractere = 6;
    int32_t resolution = 96;
    int32_t hauteurCellule = 13;

    void FixerPlume(CouleurRvb c, int32_t epaisseur) override { Noter("plume", {c.rouge, c.vert, c.bleu, epaisseur}); }
    void FixerPinceauTransparent() override { appels.emplace_back("pinceau transparent"); }
    void FixerCouleurPolice(CouleurRvb c) override { Noter("couleur", {c.rouge, c.vert, c.bleu}); }
    void Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) override
    {
        Noter("ellipse", {gauche, haut, droite, bas});
    }
    void DeplacerVers(int32_t x, int32_t y) override { Noter("deplacer", {x, y}); }
    void TracerLigneVers(int32_t x, int32_t y) override { Noter("ligne", {x, y}); }
    void EcrireTexte(int32_t x, int32_t y, std::string_view texte) override { Noter("texte", {x, y}, texte); }
    int32_t LargeurTexte(std::string_view texte) override
    {
        appels.push_back("largeur " + std::string(texte));
        return largeurCaractere * static_cast<int32_t>(texte.size());
    }
    void Rectangle(int32_t gauche, int32_t haut, int32_t droite, int32_t bas) override
    {
        Noter("rectangle", {gauche, haut, droite, bas});
    }
    void FixerNomPolice(std::string_view nom) override { Noter("police", {}, nom); }
    void FixerHauteurPolice(int32_t pixels) override
    {
        Noter("pixels", {pixels});
        hauteurCellule = pixels;
    }
    void FixerTaillePolice(int32_t points) override
    {
        Noter("points", {points});
        hauteurCellule = (points * resolution + 36) / 72;
    }
    int32_t HauteurTexte(std::string_view texte) override
    {
        appels.push_back("hauteur " + std::string(texte));
        return hauteurCellule;
    }
    int32_t ResolutionVerticale() override { return resolution; }

    // The calls whose line starts with `genre` (for example "texte").
    std::vector<std::string> Appels(std::string_view genre) const
    {
        std::vector<std::string> choisis;
        for (const std::string& appel : appels) {
            if (appel.compare(0, genre.size(), genre) == 0 && appel.size() > genre.size() && appel[genre.size()] == ' ')
                choisis.push_back(appel);
        }
        return choisis;
    }

private:
    void Noter(const char* genre, std::initializer_list<int64_t> nombres, std::string_view texte = {})
    {
        std::string ligne = genre;
        for (int64_t n : nombres)
            ligne += " " + std::to_string(n);
        if (!texte.empty())
            ligne += " " + std::string(texte);
        appels.push_back(std::move(ligne));
    }
};

#include "CanevasSvg.h"

#include "TexteCp1252.h"

#include "model/Cp1252.h"

#include <QFontInfo>
#include <QIODevice>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kResolution = 96;

std::string Couleur(CouleurRvb c)
{
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%02x%02x%02x", c.rouge, c.vert, c.bleu);
    return texte;
}

// XML's five reserved characters; controls, which XML 1.0 cannot hold,
// written out as the program shows them elsewhere ("\x1b").
std::string EchapperXml(std::string_view utf8)
{
    std::string texte;
    for (const char c : EchapperControles(utf8)) {
        switch (c) {
        case '&':
            texte += "&amp;";
            break;
        case '<':
            texte += "&lt;";
            break;
        case '>':
            texte += "&gt;";
            break;
        case '"':
            texte += "&quot;";
            break;
        case '\'':
            texte += "&apos;";
            break;
        default:
            texte += c;
        }
    }
    return texte;
}

std::string Nombre(double valeur)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.10g", valeur);
    return texte;
}
}  // namespace

CanevasSvg::CanevasSvg(QIODevice& sortie_, QSize taille, std::string_view titre, const QFont& police_)
    : sortie(sortie_), metriques(police_)
{
    FixerPolice(police_);
    const std::string largeur = std::to_string(taille.width());
    const std::string hauteur = std::to_string(taille.height());
    Ecrire("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "version=\"1.1\" width=\"" + largeur + "\" height=\"" + hauteur + "\" viewBox=\"0 0 " + largeur + " "
           + hauteur + "\">\n<title>" + EchapperXml(titre) + "</title>\n<desc>Quorvalent</desc>\n"
           "<rect x=\"0\" y=\"0\" width=\"" + largeur + "\" height=\"" + hauteur + "\" fill=\"#ffffff\"/>\n"
           "<g fill=\"none\" stroke-linecap=\"square\">\n");
}

void CanevasSvg::Terminer()
{
    Ecrire("</g>\n</svg>\n");
}

void CanevasSvg::Ecrire(const std::string& element)
{
    sortie.write(element.data(), static_cast<qint64>(element.size()));
}

std::string CanevasSvg::Trait() const
{
    return " stroke=\"" + couleurPlume + "\" stroke-width=\"" + std::to_string(epaisseur) + "\"/>\n";
}

void CanevasSvg::FixerPlume(CouleurRvb couleur, int32_t epaisseur_)
{
    couleurPlume = Couleur(couleur);
    epaisseur = std::max(epaisseur_, 1);
}

// Every outline is hollow already: nothing on the graph's surfaces is filled.
void CanevasSvg::FixerPinceauTransparent() {}

void CanevasSvg::FixerCouleurPolice(CouleurRvb couleur)
{
    couleurTexte = Couleur(couleur);
}

// As on a window, the right and bottom edges lie outside the outline.
void CanevasSvg::Ellipse(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    const double largeur = std::max(double(droite) - gauche - 1, 0.0);
    const double hauteur = std::max(double(bas) - haut - 1, 0.0);
    Ecrire("<ellipse cx=\"" + Nombre(gauche + largeur / 2) + "\" cy=\"" + Nombre(haut + hauteur / 2) + "\" rx=\""
           + Nombre(largeur / 2) + "\" ry=\"" + Nombre(hauteur / 2) + "\"" + Trait());
}

void CanevasSvg::Rectangle(int32_t gauche, int32_t haut, int32_t droite, int32_t bas)
{
    const double largeur = std::max(double(droite) - gauche - 1, 0.0);
    const double hauteur = std::max(double(bas) - haut - 1, 0.0);
    Ecrire("<rect x=\"" + std::to_string(gauche) + "\" y=\"" + std::to_string(haut) + "\" width=\"" + Nombre(largeur)
           + "\" height=\"" + Nombre(hauteur) + "\"" + Trait());
}

void CanevasSvg::DeplacerVers(int32_t x, int32_t y)
{
    positionX = x;
    positionY = y;
}

void CanevasSvg::TracerLigneVers(int32_t x, int32_t y)
{
    Ecrire("<line x1=\"" + std::to_string(positionX) + "\" y1=\"" + std::to_string(positionY) + "\" x2=\""
           + std::to_string(x) + "\" y2=\"" + std::to_string(y) + "\"" + Trait());
    DeplacerVers(x, y);
}

void CanevasSvg::EcrireTexte(int32_t x, int32_t y, std::string_view texteCp1252)
{
    // SVG places a text by its baseline, the canvas by its top.
    Ecrire("<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(int64_t(y) + metriques.ascent()) + "\" fill=\""
           + couleurTexte + "\" stroke=\"none\"" + attributsPolice + " xml:space=\"preserve\">"
           + EchapperXml(DepuisCp1252(texteCp1252).toStdString()) + "</text>\n");
}

int32_t CanevasSvg::LargeurTexte(std::string_view texteCp1252)
{
    return metriques.horizontalAdvance(DepuisCp1252(texteCp1252));
}

int32_t CanevasSvg::HauteurTexte(std::string_view)
{
    return metriques.height();
}

int32_t CanevasSvg::ResolutionVerticale()
{
    return kResolution;
}

void CanevasSvg::FixerPolice(const QFont& nouvelle)
{
    police = nouvelle;
    metriques = QFontMetrics(police);
    // The face the font resolved to, which a viewer is likelier to have.
    const QFontInfo info(police);
    attributsPolice = " font-family=\"" + EchapperXml(info.family().toStdString()) + "\" font-size=\""
                    + std::to_string(info.pixelSize()) + "px\"";
}

void CanevasSvg::FixerNomPolice(std::string_view nom)
{
    QFont nouvelle = police;
    nouvelle.setFamily(QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())));
    FixerPolice(nouvelle);
}

void CanevasSvg::FixerHauteurPolice(int32_t pixels)
{
    QFont nouvelle = police;
    nouvelle.setPixelSize(std::max(pixels, 1));
    FixerPolice(nouvelle);
}

void CanevasSvg::FixerTaillePolice(int32_t points)
{
    QFont nouvelle = police;
    nouvelle.setPointSize(std::max(points, 1));
    FixerPolice(nouvelle);
}

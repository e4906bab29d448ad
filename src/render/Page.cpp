#include "render/Page.h"

#include "algorithms/Rapport.h"
#include "model/Cp1252.h"
#include "model/TGraphe.h"
#include "render/Canevas.h"
#include "render/DessinGraphe.h"
#include "render/Troncature.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

// The page keeps the proportions of the window: whatever the device's
// resolution, the graph spans the middle half of the page width and the
// title and report follow the page size, except the fonts given in points,
// which the device scales itself.

namespace {
constexpr std::string_view kPolice = "Arial";
constexpr int32_t kPointsGraphe = 8;
constexpr int32_t kPointsRapport = 10;
constexpr CouleurRvb kNoir{0, 0, 0};

int64_t Moitie(int64_t n)
{
    return n >> 1;
}

// The file path, centred at the top of the page in a frame a little wider
// than the text; a graph never saved gets an empty frame.
void DessinerTitre(Canevas& canevas, int32_t largeur, int32_t hauteur, std::string_view titre)
{
    canevas.FixerNomPolice(kPolice);
    canevas.FixerHauteurPolice(hauteur / 40);
    const int64_t largeurTitre = canevas.LargeurTexte(titre);
    const int64_t hauteurTitre = canevas.HauteurTexte(titre);
    const int64_t marge = largeur / 100;
    const int64_t gauche = Moitie(largeur) - Moitie(largeurTitre);
    canevas.Rectangle(Borner(gauche - marge), hauteur / 110, Borner(Moitie(largeurTitre) + Moitie(largeur) + marge),
                      Borner(hauteurTitre + hauteur / 90));
    canevas.EcrireTexte(Borner(gauche), hauteur / 100, titre);
}

// One line position per line, an empty line included; the text's final
// line feed opens no line of its own.
void DessinerLignes(Canevas& canevas, std::string_view texte, int32_t gauche, double haut, int32_t interligne)
{
    int64_t k = 0;
    while (!texte.empty()) {
        const size_t fin = std::min(texte.find('\n'), texte.size());
        const std::string_view ligne = texte.substr(0, fin);
        if (!ligne.empty())
            canevas.EcrireTexte(gauche, Tronquer(haut + static_cast<double>(k * interligne)), ligne);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        ++k;
    }
}

// The height of a 10-point line at the device's resolution.
int32_t Interligne(Canevas& canevas)
{
    return static_cast<int32_t>(
        std::lround(kPointsRapport * static_cast<double>(canevas.ResolutionVerticale()) / 72.0));
}
}  // namespace

void DessinerPage(TGraphe& graphe, Canevas& canevas, int32_t largeur, int32_t hauteur)
{
    ServicesFenetre& fenetre = graphe.Fenetre();
    // The scale comes from the width the user gave the window, before the
    // window is fitted; a window squeezed to nothing takes its fitted width.
    const int32_t largeurAvant = fenetre.LargeurClient();
    graphe.AjusterFenetre();
    const int32_t largeurClient = fenetre.LargeurClient();
    const int32_t hauteurClient = graphe.TailleSelonSommets().y;
    const int32_t base = largeurAvant > 0 ? largeurAvant : std::max(largeurClient, 1);
    const auto echelle = static_cast<float>(static_cast<double>(largeur / 2) / base);

    // Every outline of the page, its frame included, with one pen, whatever
    // the device drew before: every copy then looks the same.
    canevas.FixerPlume(kNoir, 1);
    DessinerTitre(canevas, largeur, hauteur, Utf8VersCp1252(CheminAffichable(graphe.NomFichier())));

    canevas.FixerTaillePolice(kPointsGraphe);
    const int32_t decalageX =
        Tronquer(static_cast<double>(Moitie(largeur)) - largeurClient * static_cast<double>(echelle) * 0.5);
    DessinerGraphe(graphe, canevas, decalageX, hauteur / 8, echelle,
                   Avancement(fenetre, static_cast<uint64_t>(graphe.NbSommets())));

    canevas.FixerTaillePolice(kPointsRapport);
    canevas.FixerCouleurPolice(kNoir);
    const double hautRapport = hauteurClient * 1.5 * static_cast<double>(echelle) + hauteur / 8;
    DessinerLignes(canevas, Utf8VersCp1252(Rapport(graphe)), largeur / 100, hautRapport, Interligne(canevas));
}

#include "render/DessinGraphe.h"

#include "model/TGraphe.h"
#include "render/Canevas.h"
#include "render/Troncature.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

// The pictures must come out the same to the pixel on every machine and in
// saved bitmaps, so every rounding below is deliberate: truncation toward
// zero, an integer distance, and an angle held in single precision.

namespace {
constexpr CouleurRvb kCouleurEtiquette{0, 0, 255};
constexpr CouleurRvb kCouleurPoids{255, 0, 0};

constexpr double kRayon = 7.0;               // scaled
constexpr double kDescenteEtiquette = 15.0;  // not scaled
constexpr double kLongueurTrait = 14.0;      // scaled
constexpr float kDemiOuverture = 0.39269909f;
constexpr double kPi = 3.141592653;
constexpr double kDeuxPi = 6.283185306;

// The loop is a fixed-size flat ellipse to the right of its vertex, at any
// scale, so that it stays readable on a reduced page.
constexpr int64_t kBoucleGauche = 5;
constexpr int64_t kBoucleHaut = -5;
constexpr int64_t kBoucleDroite = 50;
constexpr int64_t kBoucleBas = 10;

// The longest label: a name and a bracketed number; the longest weight.
constexpr int64_t kCaracteresEtiquette = kTailleNom + 13;
constexpr int64_t kCaracteresPoids = 11;
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

// What culling needs of the font: a width no character exceeds, a height.
struct MesureTexte {
    int64_t largeurCaractere;
    int64_t hauteur;
};

MesureTexte Mesurer(Canevas& canevas)
{
    int64_t largeur = 0;
    for (std::string_view large : {"W", "M", "@", "\x89", "\x97", "\xC6", "\x8C"})
        largeur = std::max<int64_t>(largeur, canevas.LargeurTexte(large));
    return {largeur + 1, std::max<int64_t>(canevas.HauteurTexte("Wg"), 1)};
}

std::string_view Nom(const Sommet& sommet)
{
    return {sommet.nom, strnlen(sommet.nom, kTailleNom)};
}

class Dessin {
public:
    Dessin(Canevas& canevas_, int32_t decalageX, int32_t decalageY, float echelle, bool oriente_)
        : canevas(canevas_), ox(decalageX), oy(decalageY), s(echelle), oriente(oriente_)
    {
    }

    void Limiter(ZoneDessin zone_)
    {
        zone = zone_;
        texte = Mesurer(canevas);
    }

    void DessinerSommet(const Sommet& sommet)
    {
        const Point p1 = Position(sommet.x, sommet.y);
        if (!zone || BoiteSommet(p1).Rencontre(*zone)) {
            canevas.FixerCouleurPolice(kCouleurEtiquette);
            DessinerCercle(sommet);
            DessinerEtiquette(sommet);
        }
        for (const Arc* arc = sommet.arcSuivant; arc != nullptr; arc = arc->arcSuivant) {
            if (!zone || BoiteArc(p1, Position(arc->x, arc->y)).Rencontre(*zone))
                DessinerArc(p1, *arc);
        }
    }

private:
    Canevas& canevas;
    const double ox;
    const double oy;
    const double s;
    const bool oriente;
    std::optional<ZoneDessin> zone;
    MesureTexte texte{};

    // The circle, and the label below it: its name centred, its number on
    // the right.
    Boite BoiteSommet(Point p) const
    {
        const auto rayon = static_cast<int64_t>(kRayon * s) + 1;
        const int64_t largeur = kCaracteresEtiquette * texte.largeurCaractere;
        return {int64_t{p.x} - std::max(rayon, largeur) - kMarge, int64_t{p.y} - rayon - kMarge,
                int64_t{p.x} + std::max(rayon, largeur) + kMarge,
                int64_t{p.y} + std::max(rayon, static_cast<int64_t>(kDescenteEtiquette) + 1 + texte.hauteur) + kMarge};
    }

    // The line or loop, the arrowhead round the target, and the weight
    // written from halfway along.
    Boite BoiteArc(Point p1, Point p2) const
    {
        const auto pointe = static_cast<int64_t>(kLongueurTrait * s + kRayon * s) + 1;
        Boite boite{std::min<int64_t>(p1.x, p2.x) - pointe - kBoucleDroite - kMarge,
                    std::min<int64_t>(p1.y, p2.y) - pointe - kMarge,
                    std::max<int64_t>(p1.x, p2.x) + pointe + kBoucleDroite + kMarge,
                    std::max<int64_t>(p1.y, p2.y) + pointe + kBoucleBas + kMarge};
        const Boite poids{boite.gauche, boite.haut, boite.droite + kCaracteresPoids * texte.largeurCaractere,
                          boite.bas + texte.hauteur};
        return boite.Union(poids);
    }

    Point Position(int32_t x, int32_t y) const { return {Tronquer(x * s + ox), Tronquer(y * s + oy)}; }

    void DessinerCercle(const Sommet& sommet)
    {
        const double xs = sommet.x * s;
        const double ys = sommet.y * s;
        const double rayon = kRayon * s;
        canevas.Ellipse(Tronquer(xs - rayon + ox), Tronquer(ys - rayon + oy), Tronquer(xs + rayon + ox),
                        Tronquer(ys + rayon + oy));
    }

    // The name alone is centred, so that a number in brackets grows to the
    // right without moving the name when the graph gets numbered.
    void DessinerEtiquette(const Sommet& sommet)
    {
        std::string etiquette(Nom(sommet));
        if (sommet.valeur != 0)
            etiquette += "[" + std::to_string(sommet.valeur) + "]";
        const int32_t demiLargeur = std::max(canevas.LargeurTexte(Nom(sommet)), 0) >> 1;
        canevas.EcrireTexte(Tronquer(sommet.x * s - demiLargeur + ox), Tronquer(sommet.y * s + kDescenteEtiquette + oy),
                            etiquette);
    }

    void DessinerArc(Point p1, const Arc& arc)
    {
        const Point p2 = Position(arc.x, arc.y);
        const double dx = static_cast<double>(p2.x) - p1.x;
        const double dy = static_cast<double>(p2.y) - p1.y;
        // The sum of the squares is exact in double for any distance a
        // screen or a page can show, as an integer sum would be, and cannot
        // overflow for positions at the ends of the 32-bit range.
        const auto distance = static_cast<int64_t>(std::sqrt(dx * dx + dy * dy));
        int64_t ancreX = p1.x;
        int64_t ancreY = p1.y;
        if (distance != 0) {
            if (oriente)
                DessinerPointe(p1, p2, distance);
            canevas.DeplacerVers(p1.x, p1.y);
            canevas.TracerLigneVers(p2.x, p2.y);
        } else {
            DessinerBoucle(p1, p2);
            ancreX += kBoucleDroite;
            ancreY += kBoucleHaut;
        }
        EcrirePoids(ancreX, ancreY, p2, arc.valeur);
    }

    // Two strokes from the target centre back along the arc, opening 45°.
    void DessinerPointe(Point p1, Point p2, int64_t distance)
    {
        const double theta = AngleVersLaSource(p1, p2, distance);
        const double longueur = kLongueurTrait * s;
        const double avant = theta - kDemiOuverture;
        const double apres = theta + kDemiOuverture;
        canevas.DeplacerVers(Tronquer(std::cos(avant) * longueur + p2.x), Tronquer(std::sin(avant) * longueur + p2.y));
        canevas.TracerLigneVers(p2.x, p2.y);
        canevas.TracerLigneVers(Tronquer(std::cos(apres) * longueur + p2.x),
                                Tronquer(std::sin(apres) * longueur + p2.y));
    }

    // The direction from the target back to the source, by quadrant, held
    // in single precision. The cosine comes from the truncated distance, so
    // short slanted arcs get a head a few degrees off their line; long arcs
    // a fraction of a degree.
    static float AngleVersLaSource(Point p1, Point p2, int64_t distance)
    {
        const double ecartX = std::abs(static_cast<double>(p2.x) - p1.x);
        // Only a distance near the 32-bit limits can round below |dx|.
        const float r = std::min(static_cast<float>(ecartX / static_cast<double>(distance)), 1.0f);
        const double alpha = std::acos(static_cast<double>(r));
        const bool aDroite = p2.x > p1.x;
        if (p2.y > p1.y)
            return static_cast<float>(aDroite ? alpha - kPi : kDeuxPi - alpha);
        return static_cast<float>(aDroite ? kPi - alpha : alpha + kDeuxPi);
    }

    void DessinerBoucle(Point p1, Point p2)
    {
        const int64_t x1 = p1.x;
        const int64_t y1 = p1.y;
        canevas.Ellipse(Borner(x1 + kBoucleGauche), Borner(y1 + kBoucleHaut), Borner(x1 + kBoucleDroite),
                        Borner(int64_t{p2.y} + kBoucleBas));
        if (!oriente)
            return;
        const double rayon = kRayon * s;
        canevas.DeplacerVers(Tronquer(x1 + 5 + rayon), Borner(y1 - 10));
        canevas.TracerLigneVers(Borner(x1 + 5), p1.y);
        canevas.TracerLigneVers(Tronquer(x1 + 10 + rayon), Borner(y1 + 3));
    }

    // Halving by arithmetic shift rounds toward minus infinity, also left of
    // or above the origin, where a division would round the other way.
    void EcrirePoids(int64_t ancreX, int64_t ancreY, Point p2, int32_t poids)
    {
        canevas.FixerCouleurPolice(kCouleurPoids);
        canevas.EcrireTexte(Borner((ancreX + p2.x) >> 1), Borner((ancreY + p2.y) >> 1), std::to_string(poids));
    }
};
}  // namespace

void DessinerGraphe(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY, float echelle,
                    Avancement avancement)
{
    canevas.FixerPinceauTransparent();
    Dessin dessin(canevas, decalageX, decalageY, echelle, graphe.Oriente());
    for (const Sommet& sommet : graphe.Sommets()) {
        dessin.DessinerSommet(sommet);
        avancement.Avancer();
    }
}

void DessinerGrapheDans(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY, float echelle,
                        ZoneDessin zone)
{
    canevas.FixerPinceauTransparent();
    Dessin dessin(canevas, decalageX, decalageY, echelle, graphe.Oriente());
    dessin.Limiter(zone);
    for (const Sommet& sommet : graphe.Sommets())
        dessin.DessinerSommet(sommet);
}

#include "render/DessinGraphe.h"

#include "model/TGraphe.h"
#include "render/Canevas.h"
#include "render/CarteZones.h"
#include "render/EmpriseDessin.h"
#include "render/Troncature.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// The longest weight.
constexpr int64_t kCaracteresPoids = 11;
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

// The parts of an arc's picture: its line (none for a loop), a box round its
// head or its loop (empty for an unoriented line), one round its weight.
struct PartiesArc {
    bool ligne;
    Boite extremite;
    Boite poids;
};

// Which parts of an arc are drawn; all of them but where a region of many
// parts shows only some.
struct ArcMontre {
    bool ligne = true;
    bool extremite = true;
    bool poids = true;

    bool Rien() const { return !ligne && !extremite && !poids; }
};

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

    void Limiter(const CarteZones& carte_)
    {
        carte = &carte_;
        texte = Mesurer(canevas);
    }

    void DessinerSommet(const Sommet& sommet)
    {
        const Point p1 = Position(sommet.x, sommet.y);
        if (!Limite() || Montre(BoiteSommet(sommet, p1))) {
            canevas.FixerCouleurPolice(kCouleurEtiquette);
            DessinerCercle(sommet);
            DessinerEtiquette(sommet);
        }
        for (const Arc* arc = sommet.arcSuivant; arc != nullptr; arc = arc->arcSuivant) {
            const ArcMontre montre = Limite() ? MontreArc(p1, Position(arc->x, arc->y)) : ArcMontre{};
            if (!montre.Rien())
                DessinerArc(p1, *arc, montre);
        }
    }

    // Before and after one step of `sommet`'s move from (departX, departY):
    // itself, its own arcs, and the arcs of the others that reach it.
    void CouvrirDeplacement(Emprise& emprise, const TGraphe& graphe, const Sommet& sommet, int32_t departX,
                            int32_t departY)
    {
        texte = Mesurer(canevas);
        const Point avant = Position(departX, departY);
        const Point apres = Position(sommet.x, sommet.y);
        CouvrirSommet(emprise, sommet, departX, departY);
        CouvrirSommet(emprise, sommet, sommet.x, sommet.y);
        for (const Sommet& source : graphe.Sommets()) {
            if (&source == &sommet)
                continue;
            const Point p1 = Position(source.x, source.y);
            for (const Arc* arc = source.arcSuivant; arc != nullptr; arc = arc->arcSuivant) {
                // The place first: it rules out nearly every arc before any name is compared.
                if (arc->x == sommet.x && arc->y == sommet.y && MemeNom(arc->nom, sommet.nom)) {
                    CouvrirArc(emprise, p1, avant, arc->valeur);
                    CouvrirArc(emprise, p1, apres, arc->valeur);
                }
            }
        }
    }

private:
    Canevas& canevas;
    const double ox;
    const double oy;
    const double s;
    const bool oriente;
    std::optional<ZoneDessin> zone;
    const CarteZones* carte = nullptr;
    MesureTexte texte{};

    bool Limite() const { return zone || carte != nullptr; }

    bool Montre(const Boite& boite) const
    {
        if (carte != nullptr)
            return carte->Rencontre(boite.gauche, boite.haut, boite.droite, boite.bas);
        return boite.Rencontre(*zone);
    }

    // In a region of many parts, a long arc's box meets some part almost
    // always: each part of the arc is asked about in turn, and only those
    // that meet the region are drawn (a weight's text costs the most).
    ArcMontre MontreArc(Point p1, Point p2) const
    {
        if (!Montre(BoiteArc(p1, p2)))
            return {false, false, false};
        if (carte == nullptr)
            return {};
        const PartiesArc parties = Parties(p1, p2, kCaracteresPoids * texte.largeurCaractere);
        return {parties.ligne && carte->RencontreSegment(p1.x, p1.y, p2.x, p2.y, kMarge), Montre(parties.extremite),
                Montre(parties.poids)};
    }

    // As DessinerArc draws them, for a weight `largeurPoids` pixels wide.
    PartiesArc Parties(Point p1, Point p2, int64_t largeurPoids) const
    {
        const int64_t x1 = p1.x;
        const int64_t y1 = p1.y;
        const int64_t x2 = p2.x;
        const int64_t y2 = p2.y;
        const auto rayon = static_cast<int64_t>(kRayon * s) + 1;
        const auto pointe = static_cast<int64_t>(kLongueurTrait * s) + 1;
        const bool boucle = x1 == x2 && y1 == y2;
        Boite extremite{x2 - pointe - kMarge, y2 - pointe - kMarge, x2 + pointe + kMarge, y2 + pointe + kMarge};
        if (!oriente)
            extremite = {x2, y2, x2 - 1, y2 - 1};
        int64_t ancreX = x1;
        int64_t ancreY = y1;
        if (boucle) {
            extremite = {x1 - kMarge, y1 + kBoucleHaut - 5 - kMarge, x1 + kBoucleDroite + 10 + rayon + kMarge,
                         y1 + kBoucleBas + kMarge};
            ancreX += kBoucleDroite;
            ancreY += kBoucleHaut;
        }
        const int64_t xPoids = (ancreX + x2) >> 1;
        const int64_t yPoids = (ancreY + y2) >> 1;
        return {!boucle,
                extremite,
                {xPoids - kMarge, yPoids - kMarge, xPoids + largeurPoids + kMarge, yPoids + texte.hauteur + kMarge}};
    }

    // Its circle and its label as measured, were it at (x, y); then its arcs,
    // a loop going round that place too.
    void CouvrirSommet(Emprise& emprise, const Sommet& sommet, int32_t x, int32_t y)
    {
        const Point p = Position(x, y);
        const auto rayon = static_cast<int64_t>(kRayon * s) + 1 + kMarge;
        emprise.Ajouter({int64_t{p.x} - rayon, int64_t{p.y} - rayon, int64_t{p.x} + rayon, int64_t{p.y} + rayon});
        const int64_t gauche = GaucheEtiquette(sommet, x);
        const int64_t haut = HautEtiquette(y);
        emprise.Ajouter({gauche - kMarge, haut - kMarge,
                         gauche + std::max(canevas.LargeurTexte(Etiquette(sommet)), 0) + kMarge,
                         haut + texte.hauteur + kMarge});
        for (const Arc* arc = sommet.arcSuivant; arc != nullptr; arc = arc->arcSuivant)
            CouvrirArc(emprise, p, MemeNom(arc->nom, sommet.nom) ? p : Position(arc->x, arc->y), arc->valeur);
    }

    void CouvrirArc(Emprise& emprise, Point p1, Point p2, int32_t poids)
    {
        const PartiesArc parties = Parties(p1, p2, std::max(canevas.LargeurTexte(std::to_string(poids)), 0));
        emprise.Ajouter(parties.extremite);
        emprise.Ajouter(parties.poids);
        if (parties.ligne)
            emprise.AjouterLigne(p1, p2);
    }

    // The circle, and the label below it: its name centred, its number on
    // the right. Counted in characters, the label's room is a tenth of the
    // longest label's, which culls most of a crowded window's vertices.
    Boite BoiteSommet(const Sommet& sommet, Point p) const
    {
        const auto rayon = static_cast<int64_t>(kRayon * s) + 1;
        const int64_t largeur = CaracteresEtiquette(sommet) * texte.largeurCaractere;
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
        canevas.EcrireTexte(GaucheEtiquette(sommet, sommet.x), HautEtiquette(sommet.y), Etiquette(sommet));
    }

    static std::string Etiquette(const Sommet& sommet)
    {
        std::string etiquette(Nom(sommet));
        if (sommet.valeur != 0)
            etiquette += "[" + std::to_string(sommet.valeur) + "]";
        return etiquette;
    }

    int32_t GaucheEtiquette(const Sommet& sommet, int32_t x)
    {
        const int32_t demiLargeur = std::max(canevas.LargeurTexte(Nom(sommet)), 0) >> 1;
        return Tronquer(x * s - demiLargeur + ox);
    }

    int32_t HautEtiquette(int32_t y) const { return Tronquer(y * s + kDescenteEtiquette + oy); }

    static int64_t CaracteresEtiquette(const Sommet& sommet)
    {
        int64_t caracteres = static_cast<int64_t>(Nom(sommet).size());
        if (sommet.valeur != 0) {
            caracteres += sommet.valeur < 0 ? 4 : 3;  // the brackets, the sign, the last digit
            for (int64_t reste = sommet.valeur / 10; reste != 0; reste /= 10)
                ++caracteres;
        }
        return caracteres;
    }

    void DessinerArc(Point p1, const Arc& arc, ArcMontre montre)
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
            if (oriente && montre.extremite)
                DessinerPointe(p1, p2, distance);
            if (montre.ligne) {
                canevas.DeplacerVers(p1.x, p1.y);
                canevas.TracerLigneVers(p2.x, p2.y);
            }
        } else {
            if (montre.extremite)
                DessinerBoucle(p1, p2);
            ancreX += kBoucleDroite;
            ancreY += kBoucleHaut;
        }
        if (montre.poids)
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

void DessinerGrapheDansZones(const TGraphe& graphe, Canevas& canevas, int32_t decalageX, int32_t decalageY,
                             float echelle, const std::vector<ZoneDessin>& zones)
{
    canevas.FixerPinceauTransparent();
    const CarteZones carte(zones);
    Dessin dessin(canevas, decalageX, decalageY, echelle, graphe.Oriente());
    dessin.Limiter(carte);
    for (const Sommet& sommet : graphe.Sommets())
        dessin.DessinerSommet(sommet);
}

std::vector<ZoneDessin> ZonesDeplacement(const TGraphe& graphe, Canevas& canevas, const Sommet& sommet, int32_t departX,
                                         int32_t departY, ZoneDessin cadre, int32_t decalageX, int32_t decalageY,
                                         float echelle)
{
    Dessin dessin(canevas, decalageX, decalageY, echelle, graphe.Oriente());
    Emprise emprise(cadre);
    dessin.CouvrirDeplacement(emprise, graphe, sommet, departX, departY);
    return std::move(emprise).Zones();
}

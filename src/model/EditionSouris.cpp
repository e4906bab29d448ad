#include "model/EditionGraphe.h"

#include "model/NomsEtapes.h"
#include "model/Poids.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {
constexpr int32_t kTolerancePression = 7;
constexpr int32_t kToleranceLacher = 12;
constexpr int32_t kDecalageMenuX = 15;
constexpr int32_t kDecalageMenuSommetY = 20;
constexpr int32_t kDecalageMenuGrapheY = 75;

constexpr std::string_view kTitreNomSommet = "Entrer le nom du sommet";
constexpr std::string_view kTitrePoids = "Entrez le poids de l'arc :";
constexpr std::string_view kPoidsBorne = "Le poids saisi dépasse les limites admises : l'arc reçoit le poids ";
constexpr std::string_view kTitrePoidsBorne = "Poids de l'arc";

bool Proche(int32_t centre, int32_t point, int32_t tolerance)
{
    // In 64 bits: coordinates read from a file may sit at the ends of the range.
    const int64_t ecart = int64_t(point) - int64_t(centre);
    return -tolerance <= ecart && ecart <= tolerance;
}

// A vertex read from a file may lie near the ends of the int range: its menu
// point is held within the range, and the platform keeps menus on screen.
int32_t Ecran(int64_t valeur)
{
    return static_cast<int32_t>(std::clamp<int64_t>(valeur, INT32_MIN, INT32_MAX));
}

Point PointEcran(const Point& cadre, int refGauche, int refHaut, int32_t x, int32_t y, int32_t decalageY)
{
    return {Ecran(int64_t(refGauche) + cadre.x + x + kDecalageMenuX),
            Ecran(int64_t(refHaut) + cadre.y + y + decalageY)};
}
}  // namespace

EditionGraphe::EditionGraphe(TGraphe& graphe_) : EditionGraphe(graphe_, celluleGauche, celluleHaut) {}

EditionGraphe::EditionGraphe(TGraphe& graphe_, const int& gauche, const int& haut)
    : graphe(graphe_), fenetre(graphe_.Fenetre()), refGauche(gauche), refHaut(haut)
{
    graphe.SurveillerRetraits([this](const Sommet* sommet) { Oublier(sommet); });
}

EditionGraphe::~EditionGraphe()
{
    graphe.SurveillerRetraits({});
}

void EditionGraphe::Oublier(const Sommet* sommet)
{
    if (sommet == nullptr) {
        sommetOrigineArc = nullptr;
        sommetCible = nullptr;
        sommetDeplace = nullptr;
        traceArcEnCours = false;
        deplacementEnCours = false;
        return;
    }
    if (sommetOrigineArc == sommet)
        sommetOrigineArc = nullptr;
    if (sommetCible == sommet)
        sommetCible = nullptr;
    if (sommetDeplace == sommet) {
        sommetDeplace = nullptr;
        deplacementEnCours = false;
    }
}

Sommet* EditionGraphe::SommetSous(int32_t X, int32_t Y, int32_t tolerance) const
{
    for (Sommet& s : graphe.Sommets()) {
        if (Proche(s.x, X, tolerance) && Proche(s.y, Y, tolerance))
            return &s;
    }
    return nullptr;
}

bool EditionGraphe::EstDansLaListe(const Sommet* sommet) const
{
    for (const Sommet& s : graphe.Sommets()) {
        if (&s == sommet)
            return true;
    }
    return false;
}

void EditionGraphe::OnMouseDown(bool gauche, bool droit, int32_t X, int32_t Y)
{
    // A drag holds the left button: any press meanwhile is another button.
    // Read as a new press of every button held, it would prompt for a name
    // and leave the rubber band following a pointer no button holds.
    if (traceArcEnCours) {
        AbandonnerTraceArc();
        return;
    }
    if (gauche) {
        if (deplacementEnCours) {
            // The press only drops the moved vertex where it is.
            TerminerDeplacement();
            return;
        }
        if (Sommet* sommet = SommetSous(X, Y, kTolerancePression)) {
            sommetOrigineArc = sommet;
            traceArcEnCours = true;
        } else {
            char nom[kTailleNom] = {};
            fenetre.SaisirNom(kTitreNomSommet, nom);
            if (nom[0] != '\0') {
                graphe.AjouterSommet(nom, X, Y);
                fenetre.Redessiner();
                fenetre.SignalerModification(EtapeSommet(kAjout, nom));
            }
        }
    }
    if (droit && !traceArcEnCours) {
        if (SommetSous(X, Y, kTolerancePression) != nullptr)
            OuvrirMenusSommets(X, Y);
        else
            ExecuterChoixGraphe(fenetre.OuvrirMenuGraphe(
                PointEcran(fenetre.PositionDansCadre(), refGauche, refHaut, X, Y, kDecalageMenuGrapheY)));
    }
}

void EditionGraphe::OuvrirMenusSommets(int32_t X, int32_t Y)
{
    // Every vertex under the pointer gets its menu in turn, oldest first. A
    // command may delete vertices, so the candidates are gathered first and
    // each is checked to be still there before its menu opens.
    std::vector<Sommet*> touches;
    for (Sommet& s : graphe.Sommets()) {
        if (Proche(s.x, X, kTolerancePression) && Proche(s.y, Y, kTolerancePression))
            touches.push_back(&s);
    }
    const Point cadre = fenetre.PositionDansCadre();
    for (Sommet* sommet : touches) {
        if (!EstDansLaListe(sommet))
            continue;
        sommetCible = sommet;
        ExecuterChoixSommet(fenetre.OuvrirMenuSommet(
            PointEcran(cadre, refGauche, refHaut, sommet->x, sommet->y, kDecalageMenuSommetY)));
    }
}

void EditionGraphe::OnMouseMove(int32_t X, int32_t Y)
{
    if (sommetOrigineArc != nullptr) {
        fenetre.Redessiner();
        fenetre.TracerElastique({sommetOrigineArc->x, sommetOrigineArc->y}, {X, Y});
    }
    if (deplacementEnCours)
        DeplacerSommet(X, Y);
}

void EditionGraphe::DeplacerSommet(int32_t X, int32_t Y)
{
    if (sommetDeplace == nullptr) {
        fenetre.Redessiner();
        return;
    }
    const int32_t departX = sommetDeplace->x;
    const int32_t departY = sommetDeplace->y;
    // At 10,000 vertices a whole repaint takes a tenth of a second; a step
    // only changes the places the vertex and its arcs leave and take. A
    // homonym or an arc copy elsewhere, as a file may hold, moves from other
    // places: the whole window then.
    if (graphe.DeplacerSommet(sommetDeplace->nom, X, Y))
        fenetre.RedessinerDeplacement(*sommetDeplace, departX, departY);
    else
        fenetre.Redessiner();
}

void EditionGraphe::TerminerDeplacement()
{
    if (!deplacementEnCours)
        return;
    // The pointer's moves were each applied at once; the step is the whole way.
    char nom[kTailleNom];
    CopierNom(nom, sommetDeplace->nom);
    deplacementEnCours = false;
    sommetDeplace = nullptr;
    fenetre.SignalerModification(EtapeSommet(kDeplacement, nom));
}

void EditionGraphe::OnMouseUp(int32_t X, int32_t Y)
{
    if (!traceArcEnCours)
        return;
    TerminerTraceArc(X, Y);
    AbandonnerTraceArc();
}

void EditionGraphe::AbandonnerTraceArc()
{
    sommetOrigineArc = nullptr;
    traceArcEnCours = false;
    fenetre.Redessiner();
}

void EditionGraphe::TerminerTraceArc(int32_t X, int32_t Y)
{
    Sommet* cible = SommetSous(X, Y, kToleranceLacher);
    if (cible == nullptr || sommetOrigineArc == nullptr)
        return;
    char reponse[kTailleNom] = {};
    fenetre.SaisirNom(kTitrePoids, reponse);
    if (reponse[0] == '\0')
        return;
    const PoidsLu poids = LirePoids(reponse);
    if (poids.borne)
        fenetre.AfficherMessage(std::string(kPoidsBorne) + std::to_string(poids.valeur) + ".", kTitrePoidsBorne);
    char origine[kTailleNom];
    CopierNom(origine, sommetOrigineArc->nom);
    graphe.AjouterArc(origine, cible->nom, poids.valeur);
    fenetre.SignalerModification(EtapeArc(kAjout, origine, cible->nom));
}

#pragma once

#include "model/ServicesFenetre.h"
#include "model/Sommet.h"

#include <cstdint>

class TGraphe;

// The mouse and the two context menus of a graph window: a left press on
// empty ground creates a vertex, a drag from a vertex to another draws an
// arc, a right press opens the vertex menu (every vertex under the pointer
// in turn) or the graph menu. Owns the editing state and acts on the graph
// through its operations only, and asks the graph's window for prompts,
// menus and repaints.
class EditionGraphe {
public:
    // Owner only: the frame position cells are the controller's own, holding 0.
    explicit EditionGraphe(TGraphe& graphe);
    // With references to the frame's left and top screen coordinates, which
    // must outlive the controller.
    EditionGraphe(TGraphe& graphe, const int& refGauche, const int& refHaut);
    ~EditionGraphe();
    EditionGraphe(const EditionGraphe&) = delete;
    EditionGraphe& operator=(const EditionGraphe&) = delete;

    const int& RefGauche() const { return refGauche; }
    const int& RefHaut() const { return refHaut; }

    // Events of the window in client pixels. A press looks at every button
    // held, not only the one that changed, except during an arc drag, which
    // any press ends as a release in empty space does; a release ignores
    // the button.
    void OnMouseDown(bool gauche, bool droit, int32_t X, int32_t Y);
    void OnMouseMove(int32_t X, int32_t Y);
    void OnMouseUp(int32_t X, int32_t Y);

    // Drops the vertex being moved where it is, ending its step; nothing
    // when none is. The window calls it before it undoes, saves or closes.
    void TerminerDeplacement();

    // Vertex menu: each acts on the target vertex, and does nothing without one.
    void Supprimer1Click();
    void Deplacer1Click();
    void Supprimerunarc1Click();
    void Demidegrextrieur1Click();
    void Demidegrintrieur1Click();
    void Information1Click();
    // Graph menu.
    void Info1Click();
    void Redimensionnerlafentre1Click();

    // The editing state, for its tests.
    Sommet* SommetCible() const { return sommetCible; }
    Sommet* SommetOrigineArc() const { return sommetOrigineArc; }
    bool TraceArcEnCours() const { return traceArcEnCours; }
    bool DeplacementEnCours() const { return deplacementEnCours; }

private:
    TGraphe& graphe;
    ServicesFenetre& fenetre;
    int celluleGauche = 0;
    int celluleHaut = 0;
    const int& refGauche;
    const int& refHaut;

    Sommet* sommetOrigineArc = nullptr;
    Sommet* sommetCible = nullptr;
    bool traceArcEnCours = false;
    bool deplacementEnCours = false;
    // The vertex that follows the pointer in move mode; a right press on
    // another vertex changes `sommetCible`, not the vertex being moved.
    Sommet* sommetDeplace = nullptr;

    // Forgets the vertices the graph is about to free (all of them for null).
    void Oublier(const Sommet* sommet);
    // The oldest vertex whose square of half-side `tolerance` holds (X, Y).
    Sommet* SommetSous(int32_t X, int32_t Y, int32_t tolerance) const;
    bool EstDansLaListe(const Sommet* sommet) const;
    void OuvrirMenusSommets(int32_t X, int32_t Y);
    void ExecuterChoixSommet(ChoixMenuSommet choix);
    void ExecuterChoixGraphe(ChoixMenuGraphe choix);
    void DeplacerSommet(int32_t X, int32_t Y);
    void TerminerTraceArc(int32_t X, int32_t Y);
    // Forgets the arc being drawn and repaints without its rubber band.
    void AbandonnerTraceArc();
};

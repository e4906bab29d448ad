#pragma once

#include "model/ServicesFenetre.h"
#include "model/Sommet.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The graph of one graph window: its vertex list, each vertex's chain of
// outgoing arcs, the counters and flags beside them, and every operation on
// them. Operations are defined in the folder of their subsystem: store and
// file in model/, algorithms in algorithms/, drawing in render/.
namespace gff {
class Curseur;
}

class TGraphe {
public:
    // Owner only: the frame position cells are the graph's own, holding 0.
    explicit TGraphe(ServicesFenetre& fenetre);
    // With references to the frame's left and top screen coordinates.
    TGraphe(ServicesFenetre& fenetre, const int& refGauche, const int& refHaut);
    ~TGraphe();
    TGraphe(const TGraphe&) = delete;
    TGraphe& operator=(const TGraphe&) = delete;

    // ---- Store -------------------------------------------------------------
    const std::string& NomFichier() const { return nomFichier; }
    void FixerNomFichier(std::string_view chemin);
    void FixerOriente(bool valeur) { oriente = valeur; }

    // The vertex number: `valeur` when non-zero, else the 0-based list
    // position; -1 when no vertex bears the name.
    int32_t NumeroSommet(const char* nom) const;
    Sommet* ChercherSommet(const char* nom) const;
    // The first vertex, in list order, whose number is `numero`.
    Sommet* SommetNumero(int32_t numero) const;
    // The first arc from a vertex named `origine` to `cible`, or null.
    Arc* ChercherArc(const char* origine, const char* cible) const;
    bool ExisteArc(const char* origine, const char* cible) const;

    void AjouterSommet(const char* nom, int32_t x, int32_t y);
    // In a non-oriented graph adds both directions.
    void AjouterArc(const char* origine, const char* cible, int32_t poids);
    // Removes the vertex, its chain and every arc that ends at it.
    void SupprimerSommet(const char* nom);
    // Removes every arc from `origine` to `cible` (both ways when non-oriented).
    void SupprimerArc(const char* origine, const char* cible);

    // Counts of arc records; -1 for a name no vertex bears.
    int32_t DemiDegreExterieur(const char* nom) const;
    int32_t DemiDegreInterieur(const char* nom) const;
    int32_t Degre(const char* nom) const;

    // Client area 50 pixels beyond the largest coordinates, then a repaint.
    void AjusterFenetre();
    bool PoidsInverses() const { return poidsInverses; }
    // Negates every arc weight and toggles `poidsInverses`.
    void InverserPoids();

    // ---- File (".gff") -----------------------------------------------------
    // Both report their failures in message boxes.
    void Sauvegarder(const std::string& chemin);
    void Charger(const std::string& chemin);

    // ---- Numbering and circuits --------------------------------------------
    // Numbers 1, 2, 3... in `valeur` so that every arc runs upwards; vertices
    // on or behind a circuit get 0. Overwrites every `compteur` with the
    // in-degree left unconsumed. Returns 1 + the count of numbered vertices.
    int32_t NumerotationTopologique();
    // True when every vertex could be numbered; leaves every `valeur` at 0.
    bool SansCircuit();
    // The menu commands: "Numérotation topologique" numbers and repaints;
    // "Circuit" announces the answer, then repaints.
    void CommandeNumerotationTopologique();
    void CommandeCircuit();

    // ---- Structure tests ---------------------------------------------------
    // Starts of a breadth-first traversal from the first vertex, following
    // arcs both ways and restarting from the first unreached vertex in list
    // order. It leaves `marque` set on every vertex reached.
    int32_t NbComposantesConnexes();
    bool EstConnexe();
    // Classes of vertices that reach each other along the arcs, whatever the
    // list order; 1 for an empty graph. Leaves `marque` set on every vertex.
    int32_t NbComposantesFortementConnexes();
    bool EstFortementConnexe();
    // At least 2 vertices, one edge fewer than vertices, connected.
    bool EstArbre();
    // A tree with a vertex, anywhere in the list, that reaches every vertex.
    bool EstArborescence();
    // Connected, and every vertex of even DegreEulerien.
    bool EstEulerien();
    // The degree that the Eulerian test counts, from the vertex's
    // half-degrees: their sum in an oriented graph; in a non-oriented one
    // its edge ends, one per edge and two per loop, which are the records
    // of its own chain since each edge is stored once from each end.
    int32_t DegreEulerien(int32_t demiDegreInterieur, int32_t demiDegreExterieur) const;
    // The five "Détection" commands: their answer in a message box, no repaint.
    void CommandeConnexite();
    void CommandeForteConnexite();
    void CommandeArbre();
    void CommandeArborescence();
    void CommandeEulerien();

    // ---- Shortest paths and path window ------------------------------------
    // Each asks for the departure and arrival names, then opens the path found
    // in a window of its own or says why there is none.
    void Dijkstra();
    void Bellman();
    void Ford();
    // The absent predecessor of a path table, and the infinite distance.
    static constexpr int32_t kAucunSommet = 1000000;
    // Opens a window owned by this one holding the path that ends at vertex
    // `fin`, walked back through `predecesseur` (indexed by vertex number)
    // until kAucunSommet, a number outside the table or a vertex met before.
    // Negated weights are restored first.
    void AfficherChemin(std::span<const int32_t> predecesseur, int32_t fin);

    // ---- Spanning trees ----------------------------------------------------
    // Fills `origine` and `cible` with the ends of the heaviest unmarked arc
    // weighing more than -1000000 (the first in list and chain order among
    // equals) and returns that arc; null, buffers untouched, when none is.
    Arc* ArcLePlusLourd(char (&origine)[kTailleNom], char (&cible)[kTailleNom]) const;
    // Breadth-first along the arcs, restarting from the first unreached
    // vertex in list order: true at the first arc that leads to a vertex
    // already reached. Leaves the vertices' marks as the traversal set them.
    bool ContientCycle();
    // Opens a window, owned by this one, holding the tree that keeps the
    // heaviest arcs that close no cycle, with the weights as entered.
    void Kruskal1();
    // Removes arcs from the heaviest down wherever the graph stays connected
    // without them; the arcs kept are marked.
    void Kruskal2();
    // The menu commands: the "min" tree of Kruskal n°1 and the "max" tree of
    // Kruskal n°2 run between two negations of every weight. Both repaint.
    void CommandeKruskal1(bool arbreMinimum);
    void CommandeKruskal2(bool arbreMinimum);

    // ---- Report ------------------------------------------------------------
    // The French summary of the graph in UTF-8, every line ended by "\n". It
    // runs the structure tests, so the vertex numbers are cleared.
    std::string Rapport();
    // The graph menu's "Information": the report in a message box.
    void Info1Click();

    // ---- Drawing and page --------------------------------------------------
    // Draws every vertex, arc, loop and weight, scaled by `echelle` and then
    // shifted by the offsets, with the canvas's current pen and font. Leaves
    // the canvas's brush clear and its font colour at the last one used.
    // (`class Canevas` declares the type of render/Canevas.h.)
    void DessinerGraphe(class Canevas& canevas, int32_t decalageX, int32_t decalageY,
                        float echelle) const;
    // The printed page on a canvas of `largeur` by `hauteur` device pixels:
    // the file path framed at the top, the graph scaled so that the window's
    // present client width fills half the page width, the report below it.
    // Fits the window to its graph first (a repaint), and the report clears
    // the vertex numbers once the page has drawn them.
    void DessinerPage(class Canevas& canevas, int32_t largeur, int32_t hauteur);
    // The file name with its extension replaced by `extension` (".bmp" for
    // the bitmap export); `extension` alone for a graph never saved.
    std::string NomExport(std::string_view extension) const;

    // ---- Mouse editing and context menus -----------------------------------
    // Events of the window in client pixels. A press looks at every button
    // held, not only the one that changed; a release ignores the button.
    void OnMouseDown(bool gauche, bool droit, int32_t X, int32_t Y);
    void OnMouseMove(int32_t X, int32_t Y);
    void OnMouseUp(int32_t X, int32_t Y);
    // Vertex menu: each acts on `sommetCible`, and does nothing without one.
    void Supprimer1Click();
    void Deplacer1Click();
    void Supprimerunarc1Click();
    void Demidegrextrieur1Click();
    void Demidegrintrieur1Click();
    void Information1Click();
    // Graph menu.
    void Redimensionnerlafentre1Click();

    // ---- Fields ------------------------------------------------------------
    int32_t nbSommets = 0;
    int32_t nbArcs = 0;
    bool oriente = true;  // also the guard of the mirrored call for non-oriented edges
    bool poidsInverses = false;
    // The path of the last save or load, as the operating system gives it;
    // unbounded in memory, written to the file only when it fits its field.
    std::string nomFichier;
    Sommet* premierSommet = nullptr;
    const int& refGauche;
    const int& refHaut;

    // Editing state of the window.
    Sommet* sommetOrigineArc = nullptr;
    Sommet* sommetCible = nullptr;
    bool traceArcEnCours = false;
    bool deplacementEnCours = false;

    ServicesFenetre& fenetre;

private:
    int celluleGauche = 0;
    int celluleHaut = 0;

    void LibererTout();
    // Mouse editing and context menus.
    // The vertex that follows the pointer in move mode; a right press on
    // another vertex changes `sommetCible`, not the vertex being moved.
    Sommet* sommetDeplace = nullptr;
    // The oldest vertex whose square of half-side `tolerance` holds (X, Y).
    Sommet* SommetSous(int32_t X, int32_t Y, int32_t tolerance) const;
    bool EstDansLaListe(const Sommet* sommet) const;
    void OuvrirMenusSommets(int32_t X, int32_t Y);
    void ExecuterChoixSommet(ChoixMenuSommet choix);
    void ExecuterChoixGraphe(ChoixMenuGraphe choix);
    void DeplacerSommet(int32_t X, int32_t Y);
    void TerminerTraceArc(int32_t X, int32_t Y);

    // Client area 50 pixels beyond the largest coordinates (never below 50).
    Point TailleSelonSommets() const;
    void FixerTailleSelonSommets();
    Sommet* DernierSommet() const;
    // True when a vertex before `sommet` in the list bears its name.
    bool NomPorteAvant(const Sommet* sommet) const;
    // Builds the graph from the bytes after the signature; false when the
    // file ends before the records it announces.
    bool LireGraphe(gff::Curseur& curseur, const std::string& chemin);
    bool LireChaine(gff::Curseur& curseur, Sommet& sommet, int32_t degre);
    // Removes from `sommet`'s chain every arc named `cible`; returns how many.
    int32_t RetirerArcsVers(Sommet& sommet, const char* cible);

    // Structure tests: the traversal behind the connected component count.
    int32_t CompterDepartsParcours();
    // Shortest paths: AfficherChemin with the index of the run that computed
    // the table, which must index exactly the table's numbers.
    void AfficherChemin(const class IndexNumeros& index, std::span<const int32_t> predecesseur, int32_t fin);
    // The Eulerian test's degree condition, apart from its connectivity.
    bool DegresEuleriensPairs() const;
    // The tree test's counts, apart from its connectivity.
    bool CompteDUnArbre() const;
};

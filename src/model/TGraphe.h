#pragma once

#include "model/Chaines.h"
#include "model/ServicesFenetre.h"
#include "model/Sommet.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// The graph of one graph window: its vertex list, each vertex's chain of
// outgoing arcs, the counters and flags beside them, and its ".gff" file.
// Algorithms (algorithms/), drawing (render/) and mouse editing
// (model/EditionGraphe.h) act on it through the operations below; the
// records they reach may have their values, marks and counters written,
// never their links.
namespace gff {
class Curseur;
}

class TGraphe {
public:
    explicit TGraphe(ServicesFenetre& fenetre);
    ~TGraphe();
    TGraphe(const TGraphe&) = delete;
    TGraphe& operator=(const TGraphe&) = delete;

    // ---- Reading -----------------------------------------------------------
    int32_t NbSommets() const { return nbSommets; }
    // Arc records: a non-oriented edge counts twice, once from each end.
    int32_t NbArcs() const { return nbArcs; }
    bool Oriente() const { return oriente; }
    bool PoidsInverses() const { return poidsInverses; }
    // The path of the last save or load, as the operating system gives it;
    // unbounded in memory, written to the file only when it fits its field.
    const std::string& NomFichier() const { return nomFichier; }
    // The vertices in list order; null or empty for an empty graph.
    Sommet* PremierSommet() const { return premierSommet; }
    PlageSommets Sommets() const { return PlageSommets(premierSommet); }
    // The window showing the graph, for the messages and windows of the
    // commands run on it.
    ServicesFenetre& Fenetre() const { return fenetre; }

    // The vertex number: `valeur` when non-zero, else the 0-based list
    // position; -1 when no vertex bears the name.
    int32_t NumeroSommet(const char* nom) const;
    Sommet* ChercherSommet(const char* nom) const;
    // The first vertex, in list order, whose number is `numero`.
    Sommet* SommetNumero(int32_t numero) const;
    // The first arc from a vertex named `origine` to `cible`, or null.
    Arc* ChercherArc(const char* origine, const char* cible) const;
    bool ExisteArc(const char* origine, const char* cible) const;

    // Counts of arc records; -1 for a name no vertex bears.
    int32_t DemiDegreExterieur(const char* nom) const;
    int32_t DemiDegreInterieur(const char* nom) const;
    int32_t Degre(const char* nom) const;

    // Client area 50 pixels beyond the largest coordinates (never below 50).
    Point TailleSelonSommets() const;

    // ---- Writing -----------------------------------------------------------
    void FixerNomFichier(std::string_view chemin);
    void FixerOriente(bool valeur) { oriente = valeur; }

    void AjouterSommet(const char* nom, int32_t x, int32_t y);
    // In a non-oriented graph adds both directions.
    void AjouterArc(const char* origine, const char* cible, int32_t poids);
    // Removes the vertex, its chain and every arc that ends at it.
    void SupprimerSommet(const char* nom);
    // Removes every arc from `origine` to `cible` (both ways when non-oriented).
    void SupprimerArc(const char* origine, const char* cible);
    // Moves the vertex bearing `nom` and every arc copy that names it. True
    // when all that moved was one vertex and copies that stood with it; a
    // file may hold homonyms, and arc copies at another place.
    bool DeplacerSommet(const char* nom, int32_t x, int32_t y);

    // Frees every vertex and arc, telling the watcher first (with null); the
    // path and the orientation stay.
    void Vider() { LibererTout(); }

    // Client area fitted to the vertices, then a repaint.
    void AjusterFenetre();
    // Negates every arc weight and toggles `poidsInverses`.
    void InverserPoids();

    // For runs that fill a window record by record and keep the ends of the
    // list and of the chains themselves (RemplissageGraphe): no name is
    // checked and nothing is walked. `dernier` must be the last vertex of
    // the list (null for an empty graph), `fin` the last record of a chain.
    Sommet& AccrocherSommet(Sommet* dernier, const char* nom, int32_t x, int32_t y);
    // The new arc carries a copy of `arrivee`'s name and position.
    Arc& AccrocherArc(Arc& fin, const Sommet& arrivee, int32_t poids);
    // Relinks the chain of `sommet` to `gardes` in that order and frees
    // `retires`; together they must hold exactly the chain's arcs.
    void RelierChaine(Sommet& sommet, std::span<Arc* const> gardes, std::span<Arc* const> retires);

    // Called with each vertex just before its record is freed, and with null
    // before every record is (a file being loaded): whoever holds pointers to
    // vertices lets them go. One watcher at a time; an empty one for none.
    void SurveillerRetraits(std::function<void(const Sommet*)> avantRetrait);

    // ---- Copy, for commands that may fail halfway ---------------------------
    // Copies every record, count, flag and the path into `copie`, an empty
    // graph; on failure `copie` holds a part, this graph nothing less.
    void CopierDans(TGraphe& copie) const;
    // Swaps the whole graph with `autre`'s without allocating anything, so
    // that it can put a copy back when memory is short; this graph's watcher
    // first lets go of its vertices.
    void EchangerAvec(TGraphe& autre);

    // ---- File (".gff") -----------------------------------------------------
    // Both report their failures in message boxes.
    // True when the file now holds the graph; else the message was shown.
    bool Sauvegarder(const std::string& chemin);
    void Charger(const std::string& chemin);

private:
    int32_t nbSommets = 0;
    int32_t nbArcs = 0;
    bool oriente = true;
    bool poidsInverses = false;
    std::string nomFichier;
    Sommet* premierSommet = nullptr;
    ServicesFenetre& fenetre;
    std::function<void(const Sommet*)> surRetrait;

    void LibererTout();
    void FixerTailleSelonSommets();
    Sommet* DernierSommet() const;
    // True when a vertex before `sommet` in the list bears its name.
    bool NomPorteAvant(const Sommet* sommet) const;
    // One direction of AjouterArc: from the last vertex bearing `origine` to
    // the first bearing `cible`; returns that origin, null when either is
    // missing.
    Sommet* AjouterArcUnSens(const char* origine, const char* cible, int32_t poids);
    // One direction of SupprimerArc; `origine` must name a vertex.
    void SupprimerArcUnSens(const char* origine, const char* cible);
    // Removes from `sommet`'s chain every arc named `cible`; returns how many.
    int32_t RetirerArcsVers(Sommet& sommet, const char* cible);
    // Builds the graph from the bytes after the signature; false when the
    // file ends before the records it announces.
    bool LireGraphe(gff::Curseur& curseur, const std::string& chemin);
    bool LireChaine(gff::Curseur& curseur, Sommet& sommet, int32_t degre);
};

#pragma once

#include "model/Sommet.h"

#include <cstdint>
#include <string_view>

class TGraphe;

struct Point {
    int x = 0;
    int y = 0;
};

// Items of the two context menus, in display order.
enum class ChoixMenuSommet {
    Aucun = -1,
    Supprimer,
    Deplacer,
    SupprimerArc,
    DemiDegreExterieur,
    DemiDegreInterieur,
    Information
};
enum class ChoixMenuGraphe { Aucun = -1, Information, Redimensionner };

// What the core asks of the user through a graph window: modal boxes and
// prompts. Texts are UTF-8; answers written into name buffers are
// Windows-1252, at most 19 bytes, empty when the user gave none.
class DialoguesFenetre {
public:
    virtual ~DialoguesFenetre() = default;

    // Modal message box, OK button only, no icon.
    virtual void AfficherMessage(std::string_view texte, std::string_view titre) = 0;
    // Modal Yes/No question; true only for Yes.
    virtual bool PoserQuestion(std::string_view texte, std::string_view titre) = 0;

    // The one-field prompt under the given caption.
    virtual void SaisirNom(std::string_view titre, char (&reponse)[kTailleNom]) = 0;
    // The two-field prompt with its default caption; a non-empty `depart`
    // pre-fills the departure field.
    virtual void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) = 0;
    // The two-field prompt under the given caption, both fields empty.
    virtual void SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) = 0;
};

// What the core needs from the window itself: its size, caption and
// painting, its context menus, and the windows it opens for results.
class VueFenetre {
public:
    virtual ~VueFenetre() = default;

    virtual void FixerTailleClient(int largeur, int hauteur) = 0;
    virtual int LargeurClient() const = 0;
    virtual void FixerTitre(std::string_view titre) = 0;
    // Erases the client area and paints the graph before returning.
    virtual void Redessiner() = 0;
    // One step of a vertex's move: `sommet`, with the arcs that leave or reach
    // it, has just left (departX, departY). Leaves the picture as Redessiner
    // would, repainting only what changed.
    virtual void RedessinerDeplacement(const Sommet& sommet, int32_t departX, int32_t departY) = 0;
    // The rubber band of an arc being drawn, over the picture just painted.
    virtual void TracerElastique(Point depuis, Point vers) = 0;

    // Context menus at a screen point; they return the item chosen.
    virtual ChoixMenuSommet OuvrirMenuSommet(Point ecran) = 0;
    virtual ChoixMenuGraphe OuvrirMenuGraphe(Point ecran) = 0;
    // Top-left corner of the graph window inside the frame.
    virtual Point PositionDansCadre() const = 0;

    // A change the user asked for is over (a vertex dropped where it was
    // moved, not each step of its way): what now differs in the graph
    // becomes one step of the window's history, named `etape` as it follows
    // « Annuler » or « Rétablir » (UTF-8). Nothing differing, nothing is kept.
    virtual void SignalerModification(std::string_view etape) = 0;

    // `fait` of the `total` steps of the command running are done. A window
    // that lets the user stop the command throws CalculAnnule (model/
    // Avancement.h) from here; loops report through Avancement.
    virtual void SignalerAvancement(uint64_t fait, uint64_t total) = 0;

    // A new graph window owned by this one, shown in front; it closes with
    // its owner. Its graph starts empty and oriented.
    virtual TGraphe& CreerFenetreResultat() = 0;
};

// Both sides of a graph window, as a graph holds them. The desktop shell
// implements them with real widgets; the batch tool, the benchmark and the
// tests start from ServicesMuets (model/ServicesMuets.h).
class ServicesFenetre : public DialoguesFenetre, public VueFenetre {};

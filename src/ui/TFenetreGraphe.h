#pragma once

#include "ImageGlissement.h"
#include "model/EditionGraphe.h"
#include "model/ServicesFenetre.h"
#include "model/TGraphe.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

// A graph window: the widget inside one document window of the frame. It owns
// its graph, paints it, hands mouse events to the graph's editing logic and
// provides the services that logic asks of its window.
class TFenetreGraphe : public QWidget, public ServicesFenetre {
    Q_OBJECT
public:
    // A new window in `zone`, shown in front. `gauche` and `haut` are the
    // frame's screen coordinates, which must outlive the window.
    static TFenetreGraphe* Creer(QMdiArea& zone, const int& gauche, const int& haut);
    ~TFenetreGraphe() override;

    TGraphe& Graphe() { return graphe; }
    QMdiSubWindow* SousFenetre() const;

    void AfficherMessage(std::string_view texte, std::string_view titre) override;
    bool PoserQuestion(std::string_view texte, std::string_view titre) override;
    void SaisirNom(std::string_view titre, char (&reponse)[kTailleNom]) override;
    void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void FixerTailleClient(int largeur, int hauteur) override;
    int LargeurClient() const override;
    void FixerTitre(std::string_view titre) override;
    void Redessiner() override;
    void TracerElastique(Point depuis, Point vers) override;
    ChoixMenuSommet OuvrirMenuSommet(Point ecran) override;
    ChoixMenuGraphe OuvrirMenuGraphe(Point ecran) override;
    Point PositionDansCadre() const override;
    TGraphe& CreerFenetreResultat() override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    TFenetreGraphe(const int& gauche, const int& haut);
    void CreerMenus();
    // Keeps a result window in view of its frame's area, beside its source
    // when it fits there.
    void PlacerPresDeLaSource();

    TGraphe graphe;
    EditionGraphe edition;
    QMenu* PopupSommet = nullptr;
    QMenu* PopupGraphe = nullptr;
    // The line of an arc being drawn, painted over the graph until the next
    // plain repaint.
    std::optional<std::pair<Point, Point>> elastique;
    // Where the band was last painted, and the picture it is painted over
    // while the pointer drags it (mouvementElastique: within such a move).
    std::optional<QRect> elastiqueAffiche;
    ImageGlissement imageGlissement;
    bool mouvementElastique = false;
    // Path and tree windows opened from this one; they close with it.
    std::vector<QPointer<QMdiSubWindow>> resultats;
    // The window a result window came from, while the command that opened
    // it is still filling and fitting it: each fitting places it again.
    QPointer<QMdiSubWindow> sourceAPlacer;
};

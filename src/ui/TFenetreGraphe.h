#pragma once

#include "ImageGlissement.h"
#include "model/EditionGraphe.h"
#include "model/Instantane.h"
#include "model/ServicesFenetre.h"
#include "model/TGraphe.h"

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QUndoStack;

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
    // A window that explains this one's last run: it closes with it.
    void LierFenetre(QMdiSubWindow* fenetre);
    // The caption as shown, "*" after it when the graph differs from its file.
    QString TitreAffiche() const;

    // ---- History (TFenetreGrapheHistorique.cpp) -----------------------------
    QUndoStack& Historique() { return *pile; }
    // The graph as it stands is its file's: no history, not modified.
    void FixerEtatInitial();
    // Ends a move under way, then makes one step of whatever changed
    // without a step of its own: before an undo, a save or a close.
    void Synchroniser();
    void Annuler();
    void Retablir();
    // The graph as it stands has just been saved.
    void MarquerEnregistre();
    bool Modifie() const;
    // Past this many bytes of steps, the oldest are forgotten.
    void FixerBudgetHistorique(size_t octets);
    static constexpr size_t kBudgetHistorique = size_t(64) << 20;
    // For the steps: applies one back (defaire) or again, and repaints.
    void AppliquerEtape(const Retouche& retouche, bool defaire);

    // ---- Closing (TFenetreGrapheFermeture.cpp) ------------------------------
    // How "Enregistrer" in the closing question saves this window; false when
    // the save was cancelled or failed. Result windows inherit it.
    void FixerEnregistrement(std::function<bool(TFenetreGraphe&)> enregistrement);
    // The file name without its folder, or "Graphe" when there is none.
    QString NomCourt() const;

    void AfficherMessage(std::string_view texte, std::string_view titre) override;
    bool PoserQuestion(std::string_view texte, std::string_view titre) override;
    void SaisirNom(std::string_view titre, char (&reponse)[kTailleNom]) override;
    void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void FixerTailleClient(int largeur, int hauteur) override;
    int LargeurClient() const override;
    void FixerTitre(std::string_view titre) override;
    void Redessiner() override;
    void RedessinerDeplacement(const Sommet& sommet, int32_t departX, int32_t departY) override;
    void TracerElastique(Point depuis, Point vers) override;
    ChoixMenuSommet OuvrirMenuSommet(Point ecran) override;
    ChoixMenuGraphe OuvrirMenuGraphe(Point ecran) override;
    Point PositionDansCadre() const override;
    void SignalerModification(std::string_view etape) override;
    void SignalerAvancement(uint64_t fait, uint64_t total) override;
    TGraphe& CreerFenetreResultat() override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    // A modified graph asks first; its result windows close with it.
    void closeEvent(QCloseEvent* evenement) override;

private:
    TFenetreGraphe(const int& gauche, const int& haut);
    void CreerMenus();
    // Keeps a result window in view of its frame's area, beside its source
    // when it fits there.
    void PlacerPresDeLaSource();
    void PreparerHistorique();
    size_t TailleEtape(int indice) const;
    void BornerHistorique();
    bool AccepterFermeture();
    bool FermerResultats();
    // Closes without a question: its source is being destroyed.
    void FermerSansQuestion();

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
    // Path, tree and step windows opened from this one; they close with it.
    std::vector<QPointer<QMdiSubWindow>> resultats;
    // The window a result window came from, while the command that opened
    // it is still filling and fitting it: each fitting places it again.
    QPointer<QMdiSubWindow> sourceAPlacer;

    // The graph as the history last left it; each step changes it.
    Instantane courant;
    // A result window being filled by the command that opened it: its
    // starting point is taken when that command ends.
    bool etatEnAttente = false;
    size_t budgetHistorique = kBudgetHistorique;
    std::function<bool(TFenetreGraphe&)> enregistrer;
    // Asked once, answered: a later close event (its source's, Tout fermer)
    // does not ask again.
    bool fermetureDecidee = false;
    // Last, so that its steps go before the graph they refer to.
    std::unique_ptr<QUndoStack> pile;
};

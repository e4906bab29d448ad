#pragma once

#include "FichiersRecents.h"

#include "algorithms/Commandes.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QFileDialog;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QUndoGroup;
class TFenetreGraphe;
class TGuide;

// The main frame: graph windows in a multiple-document area, the main menu,
// the toolbar, the status bar and the file commands. It keeps no document
// state: each graph window holds its graph and its file name.
class TTrivaldo : public QMainWindow {
    Q_OBJECT
public:
    explicit TTrivaldo(QWidget* parent = nullptr);
    ~TTrivaldo() override;

    // The graph window the commands act on, or null when none is open.
    TFenetreGraphe* FenetreActive() const;
    void FixerTexteEtat(const QString& texte);
    // Opens each file in its own window, as "Ouvrir" does once one is chosen.
    void OuvrirFichiers(const QStringList& chemins);

    void Nouveau1Click();
    void Ouvrir1Click();
    void Enregistrer1Click();
    void Enregistrersous1Click();
    void Fermer1Click();
    void Toutfermer1Click();
    void Quitter1Click();
    void Aide1Click();
    void Crdits1Click();
    void Guide1Click();
    void bt_rapportClick();
    void bt_3DClick();
    void bt_ImprimerClick();
    void bt_ApercuClick();
    void bt_DessinClick();
    void ExporterenBMP1Click();
    // The active graph in any exchange format, or as PNG, SVG or the
    // printed page in PDF, chosen by the save dialog's filter.
    void Exportersous1Click();

protected:
    void showEvent(QShowEvent* evenement) override;
    // Each modified graph asks first; an Annuler keeps the frame open.
    void closeEvent(QCloseEvent* evenement) override;
    void moveEvent(QMoveEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void CreerMenuPrincipal();
    void CreerBarreOutils();
    void CreerBarreEtat();
    void CreerDialoguesFichier();
    void CreerMenuFenetres();
    void CreerItemDeroulement(QMenu* traitement);
    static void LaisserCtrlWAFermer(QMdiSubWindow& sous);
    void CreerMenuEdition();
    // The history the "Édition" items act on follows the active window.
    void SuivreFenetreActive();
    // The list of windows, rebuilt each time the menu opens.
    void ListerFenetres();
    void ListerRecents();
    void RetenirFichier(const QString& chemin);

    QMenu* AjouterMenu(QMenu* parent, const char* composant, const QString& titre);
    QAction* AjouterItem(QMenu* menu, const char* composant, const QString& texte, const QKeySequence& raccourci,
                         std::function<void()> gestionnaire);
    // Runs a command of the algorithm menus on the active graph window.
    void Executer(Commande commande);
    // The command on the window, then, when "Montrer le déroulement" is
    // checked and the command records its steps, their table beside it.
    void ExecuterEtMontrer(TFenetreGraphe& fenetre, Commande commande);
    TFenetreGraphe* CreerFenetreGraphe();
    // Shows `etat` while the user picks a file in `dialogue`, hands the path
    // chosen to `suite`, then shows "Prêt.".
    void ChoisirFichier(const QString& etat, QFileDialog& dialogue, void (TTrivaldo::*suite)(const QString&));
    void OpenDialog1CanClose(const QString& chemin);
    void SaveDialog1CanClose(const QString& chemin);
    // A file of an exchange format (TTrivaldoImport.cpp): opened in a new
    // window as a graph never saved, captioned with the file's name; false
    // when `chemin` names no such format.
    bool ImporterFichier(const QString& chemin);
    // Saves to the window's file, or asks for one; false when cancelled or
    // failed.
    bool Enregistrer(TFenetreGraphe& fenetre);
    bool EnregistrerSous(TFenetreGraphe& fenetre, const QString& chemin);
    // Closes every graph window, each asking in turn; false at the first
    // Annuler, the windows before it staying closed.
    bool FermerToutesLesFenetres();

    QMdiArea* zone = nullptr;
    QLabel* panneauEtat = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QMenu* menuRecents = nullptr;
    // "Montrer le déroulement": the path and tree commands also open the
    // table of their steps. Remembered in the settings.
    QAction* montrerDeroulement = nullptr;
    QMenu* menuFenetres = nullptr;
    QUndoGroup* historiques = nullptr;
    // Actions of the window menu before its list of windows.
    int nbItemsFenetres = 0;
    TGuide* guide = nullptr;
    FichiersRecents recents;
    // One printer for the session, so that each print dialog starts from the
    // choices made in the last one.
    std::unique_ptr<QPrinter> imprimante;
    // The frame's screen position, read by the graph windows to place their
    // context menus; kept current as the frame moves.
    int gauche = 0;
    int haut = 0;
    bool dejaMontre = false;
};

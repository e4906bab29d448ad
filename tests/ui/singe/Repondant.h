#pragma once

#include "Hasard.h"

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class QAbstractPrintDialog;
class QDialog;
class QFileDialog;
class QLineEdit;
class QMenu;
class QMessageBox;
class QWidget;

// What the answers to one action's dialogs came to, for the checks after it.
struct Constats {
    int notices = 0;  // boxes with a single button: errors and notices
    int refus = 0;    // questions answered with anything but Yes
    int dialoguesEnregistrement = 0;
    int enregistrementsAcceptes = 0;
    QStringList titresBoites;
    QStringList textesBoites;
    // The file an accepted print dialog prints to.
    QString pdf;
};

// Answers at random every modal dialog and popup menu that shows, nested
// ones included, as an erratic user would: menu items or Escape, prompts
// filled with any text then Ok, Enter, Annuler, Escape or the close box,
// file dialogs given paths in the session's folder, print dialogs accepted
// or cancelled.
class Repondant : public QObject {
public:
    using Noms = std::function<QStringList()>;
    using Journal = std::function<void(const QString&)>;

    Repondant(Hasard& hasard, QDir dossier, Noms noms, Journal journal);

    Constats& Vus() { return constats; }

private:
    // Each answer runs from its own zero-delay timer: Qt does not fire a
    // timer again while its slot runs, and an answer may open a dialog in
    // turn (a question over a file dialog) that must be answered as well.
    void Surveiller();
    void Repondre(QWidget* dialogue);
    void RepondreImpression(QAbstractPrintDialog& impression);
    void RepondreMenu(QMenu& menu);
    void RepondreBoite(QMessageBox& boite);
    void RepondreSaisie(QDialog& saisie, const std::vector<QLineEdit*>& champs);
    void RepondreFichier(QFileDialog& fichiers);
    QString TexteProbable(const QString& titre);
    void Remplir(QLineEdit& champ, const QString& titre);
    QString CheminAuHasard();

    Hasard& hasard;
    QDir dossier;
    Noms noms;
    Journal journal;
    Constats constats;
    QTimer minuterie;
    std::vector<QPointer<QWidget>> enCours;
};

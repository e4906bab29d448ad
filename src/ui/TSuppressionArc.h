#pragma once

#include "TDialogueSaisie.h"

#include "model/Sommet.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

class QCompleter;
class QLabel;
class QLineEdit;

// Top-left corner that centres a window of outer size `dialogue` on a
// screen of size `ecran`, each size halved rounding down.
QPoint PositionCentree(QSize ecran, QSize dialogue);

// The two-field prompt: departure and arrival vertex names, to delete an
// arc or, under another caption, for a path algorithm. Make a fresh
// instance per prompt, exec() it, then read the buffers: Ok (or Enter in
// the arrival field) writes both fields into them (Windows-1252, at most 19
// bytes each); Annuler, Escape in the arrival field and the close box empty
// both. Enter and Escape do nothing in the departure field: the user leaves
// it with Tab. exec() returns the same for all of them.
class TSuppressionArc : public TDialogueSaisie {
    Q_OBJECT
public:
    // The start-up instance: no buffers; Ok and Annuler write nothing.
    explicit TSuppressionArc(QWidget* proprietaire);
    // Caption "Supression d'un arc"; a non-empty `nomDepart` pre-fills the
    // departure field and the caret starts in the arrival field.
    TSuppressionArc(QWidget* proprietaire, char (&nomDepart)[kTailleNom], char (&nomArrivee)[kTailleNom]);
    // Both fields start empty, the caret in the departure field.
    TSuppressionArc(QWidget* proprietaire, const QString& titre, char (&nomDepart)[kTailleNom],
                    char (&nomArrivee)[kTailleNom]);

    // Both fields offer these names as the user types.
    void ProposerNoms(const QStringList& noms);

protected:
    void EcrireReponse() override;
    void EffacerReponse() override;
    QLineEdit& ChampActif() const override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    char (*nomDepart)[kTailleNom] = nullptr;
    char (*nomArrivee)[kTailleNom] = nullptr;
    bool departFourni = false;
    QLabel* lbl_depart;
    QLineEdit* ed_depart;
    QLabel* lbl_arrive;
    QLineEdit* ed_arrive;
    QCompleter* completion = nullptr;

    void Centrer();
};

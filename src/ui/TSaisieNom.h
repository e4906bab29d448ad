#pragma once

#include "model/Sommet.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The one-field prompt: a vertex name, or under another caption the weight
// of a new arc. Make a fresh instance per prompt, exec() it, then read the
// buffer: it holds what was typed (Windows-1252, at most 19 bytes) after
// Ok or Enter in the field, and the empty text after Annuler, Escape in the
// field or the close box. exec() returns the same for all of them.
class TSaisieNom : public QDialog {
    Q_OBJECT
public:
    // The start-up instance: no buffer; Ok and Annuler write nothing.
    explicit TSaisieNom(QWidget* proprietaire);
    // Caption "Entrer le nom du sommet".
    TSaisieNom(QWidget* proprietaire, char (&nomSaisi)[kTailleNom]);
    TSaisieNom(QWidget* proprietaire, char (&nomSaisi)[kTailleNom], const QString& titre);

    void btOkClick();
    void btAnnulerClick();
    // The close box (and any other rejection) counts as Annuler.
    void reject() override;

protected:
    void changeEvent(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    char (*nomSaisi)[kTailleNom] = nullptr;
    QPushButton* btOk;
    QPushButton* btAnnuler;
    QLineEdit* edChampNom;

    // Enter as Ok, Escape as Annuler; false for any other key.
    bool TraiterTouche(const QEvent& evenement);
};

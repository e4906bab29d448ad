#pragma once

#include "TDialogueSaisie.h"

#include "model/Sommet.h"

class QLineEdit;

// The one-field prompt: a vertex name, or under another caption the weight
// of a new arc. Make a fresh instance per prompt, exec() it, then read the
// buffer: it holds what was typed (Windows-1252, at most 19 bytes) after
// Ok or Enter in the field, and the empty text after Annuler, Escape in the
// field or the close box. exec() returns the same for all of them.
class TSaisieNom : public TDialogueSaisie {
    Q_OBJECT
public:
    // The start-up instance: no buffer; Ok and Annuler write nothing.
    explicit TSaisieNom(QWidget* proprietaire);
    // Caption "Entrer le nom du sommet".
    TSaisieNom(QWidget* proprietaire, char (&nomSaisi)[kTailleNom]);
    TSaisieNom(QWidget* proprietaire, char (&nomSaisi)[kTailleNom], const QString& titre);

protected:
    void EcrireReponse() override;
    void EffacerReponse() override;
    QLineEdit& ChampActif() const override;

private:
    char (*nomSaisi)[kTailleNom] = nullptr;
    QLineEdit* edChampNom;
};

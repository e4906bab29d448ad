#pragma once

#include <QRect>
#include <QValidator>

class QLineEdit;
class QWidget;

// Accepts only texts whose every character fits a vertex name (see
// EstCaractereDeNom): a keystroke or a paste that brings another is refused.
class ValidateurNom : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

// A new name field in `parent`, named and placed: name characters only, at
// most 19, so that its text always fits a name buffer byte for byte.
QLineEdit* CreerChampNom(QWidget* parent, const char* nom, QRect geometrie);

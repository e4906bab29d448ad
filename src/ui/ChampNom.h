#pragma once

#include <QValidator>

class QLineEdit;

// Accepts only texts whose every character fits a vertex name (see
// EstCaractereDeNom): a keystroke or a paste that brings another is refused.
class ValidateurNom : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

// Makes `champ` a name field: name characters only, at most 19, so that
// its text always fits a name buffer byte for byte.
void PreparerChampNom(QLineEdit& champ);

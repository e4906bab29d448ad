#include "ChampNom.h"

#include "TexteCp1252.h"

#include <QLineEdit>
#include <QList>

QValidator::State ValidateurNom::validate(QString& texte, int&) const
{
    for (char32_t point : texte.toUcs4()) {
        if (!EstCaractereDeNom(point))
            return Invalid;
    }
    return Acceptable;
}

void PreparerChampNom(QLineEdit& champ)
{
    champ.setValidator(new ValidateurNom(&champ));
    champ.setMaxLength(kLongueurNomMax);
}

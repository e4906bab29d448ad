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

QLineEdit* CreerChampNom(QWidget* parent, const char* nom, QRect geometrie)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(QLatin1String(nom));
    champ->setGeometry(geometrie);
    champ->setValidator(new ValidateurNom(champ));
    champ->setMaxLength(kLongueurNomMax);
    return champ;
}

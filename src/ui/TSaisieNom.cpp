#include "TSaisieNom.h"

#include "ChampNom.h"
#include "TexteCp1252.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kTitreParDefaut = QStringLiteral("Entrer le nom du sommet");
constexpr QSize kTailleClient{337, 112};
constexpr QPoint kPosition{278, 241};
}  // namespace

TSaisieNom::TSaisieNom(QWidget* proprietaire)
    : TDialogueSaisie(proprietaire, Qt::MSWindowsFixedSizeDialogHint, kTitreParDefaut)
{
    setFixedSize(kTailleClient);
    move(kPosition);
    CreerBoutons("btOk", QRect(8, 56, 153, 41), "btAnnuler", QRect(176, 56, 153, 41));
    edChampNom = CreerChampNom(this, "edChampNom", QRect(8, 16, 321, 21));
    EcouterTouches(*edChampNom);
    setTabOrder(btOk, btAnnuler);
    setTabOrder(btAnnuler, edChampNom);
}

TSaisieNom::TSaisieNom(QWidget* proprietaire, char (&nomSaisi_)[kTailleNom]) : TSaisieNom(proprietaire)
{
    nomSaisi = &nomSaisi_;
}

TSaisieNom::TSaisieNom(QWidget* proprietaire, char (&nomSaisi_)[kTailleNom], const QString& titre)
    : TSaisieNom(proprietaire, nomSaisi_)
{
    setWindowTitle(titre);
}

void TSaisieNom::EcrireReponse()
{
    if (nomSaisi != nullptr)
        EcrireNom(edChampNom->text(), *nomSaisi);
}

void TSaisieNom::EffacerReponse()
{
    if (nomSaisi != nullptr)
        CopierNom(*nomSaisi, "");
}

QLineEdit& TSaisieNom::ChampActif() const
{
    return *edChampNom;
}

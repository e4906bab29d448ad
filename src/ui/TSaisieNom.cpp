#include "TSaisieNom.h"

#include "ChampNom.h"
#include "PoliceEcran.h"
#include "TexteCp1252.h"
#include "Touches.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kTitreParDefaut = QStringLiteral("Entrer le nom du sommet");
const QString kOk = QStringLiteral("Ok");
const QString kAnnuler = QStringLiteral("Annuler");
constexpr QSize kTailleClient{337, 112};
constexpr QPoint kPosition{278, 241};

QPushButton* CreerBouton(QWidget* parent, const char* nom, const QString& texte, QRect geometrie)
{
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setGeometry(geometrie);
    // No default button: Enter acts only where the dialog says.
    bouton->setAutoDefault(false);
    return bouton;
}
}  // namespace

TSaisieNom::TSaisieNom(QWidget* proprietaire)
    : QDialog(proprietaire,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                  Qt::MSWindowsFixedSizeDialogHint)
{
    setFont(PoliceEcran());
    setWindowTitle(kTitreParDefaut);
    setFixedSize(kTailleClient);
    move(kPosition);
    btOk = CreerBouton(this, "btOk", kOk, QRect(8, 56, 153, 41));
    btAnnuler = CreerBouton(this, "btAnnuler", kAnnuler, QRect(176, 56, 153, 41));
    edChampNom = new QLineEdit(this);
    edChampNom->setObjectName(QStringLiteral("edChampNom"));
    edChampNom->setGeometry(8, 16, 321, 21);
    PreparerChampNom(*edChampNom);
    edChampNom->installEventFilter(this);
    setTabOrder(btOk, btAnnuler);
    setTabOrder(btAnnuler, edChampNom);
    connect(btOk, &QPushButton::clicked, this, &TSaisieNom::btOkClick);
    connect(btAnnuler, &QPushButton::clicked, this, &TSaisieNom::btAnnulerClick);
}

TSaisieNom::TSaisieNom(QWidget* proprietaire, char (&nomSaisi_)[kTailleNom])
    : TSaisieNom(proprietaire)
{
    nomSaisi = &nomSaisi_;
}

TSaisieNom::TSaisieNom(QWidget* proprietaire, char (&nomSaisi_)[kTailleNom], const QString& titre)
    : TSaisieNom(proprietaire, nomSaisi_)
{
    setWindowTitle(titre);
}

void TSaisieNom::btOkClick()
{
    if (nomSaisi != nullptr)
        EcrireNom(edChampNom->text(), *nomSaisi);
    done(QDialog::Rejected);
}

void TSaisieNom::btAnnulerClick()
{
    if (nomSaisi != nullptr)
        CopierNom(*nomSaisi, "");
    done(QDialog::Rejected);
}

void TSaisieNom::reject()
{
    btAnnulerClick();
}

void TSaisieNom::changeEvent(QEvent* evenement)
{
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow())
        edChampNom->setFocus(Qt::ActiveWindowFocusReason);
}

void TSaisieNom::keyPressEvent(QKeyEvent* evenement)
{
    // Bypasses QDialog's default and cancel buttons.
    QWidget::keyPressEvent(evenement);
}

bool TSaisieNom::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == edChampNom && TraiterTouche(*evenement))
        return true;
    return QDialog::eventFilter(objet, evenement);
}

bool TSaisieNom::TraiterTouche(const QEvent& evenement)
{
    return RepondreToucheDialogue(evenement, [this] { btOkClick(); }, [this] { btAnnulerClick(); });
}

#include "TDialogueSaisie.h"

#include "PoliceEcran.h"
#include "ToucheDialogue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kOk = QStringLiteral("Ok");
const QString kAnnuler = QStringLiteral("Annuler");

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

TDialogueSaisie::TDialogueSaisie(QWidget* proprietaire, Qt::WindowFlags drapeaux, const QString& titre)
    : QDialog(proprietaire,
              drapeaux | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFont(PoliceEcran());
    setWindowTitle(titre);
}

void TDialogueSaisie::CreerBoutons(const char* nomOk, QRect ok, const char* nomAnnuler, QRect annuler)
{
    btOk = CreerBouton(this, nomOk, kOk, ok);
    btAnnuler = CreerBouton(this, nomAnnuler, kAnnuler, annuler);
    connect(btOk, &QPushButton::clicked, this, &TDialogueSaisie::Valider);
    connect(btAnnuler, &QPushButton::clicked, this, &TDialogueSaisie::Annuler);
}

void TDialogueSaisie::EcouterTouches(QLineEdit& champ)
{
    champTouches = &champ;
    champ.installEventFilter(this);
}

// Both ends reject: exec() gives the same for every way out.
void TDialogueSaisie::Valider()
{
    EcrireReponse();
    done(QDialog::Rejected);
}

void TDialogueSaisie::Annuler()
{
    EffacerReponse();
    done(QDialog::Rejected);
}

void TDialogueSaisie::reject()
{
    Annuler();
}

void TDialogueSaisie::changeEvent(QEvent* evenement)
{
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow())
        ChampActif().setFocus(Qt::ActiveWindowFocusReason);
}

void TDialogueSaisie::keyPressEvent(QKeyEvent* evenement)
{
    // Bypasses QDialog's default and cancel buttons.
    QWidget::keyPressEvent(evenement);
}

bool TDialogueSaisie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == champTouches && TraiterTouche(*evenement))
        return true;
    return QDialog::eventFilter(objet, evenement);
}

bool TDialogueSaisie::TraiterTouche(const QEvent& evenement)
{
    return RepondreToucheDialogue(
        evenement, [this] { Valider(); }, [this] { Annuler(); });
}

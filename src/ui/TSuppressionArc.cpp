#include "TSuppressionArc.h"

#include "ChampNom.h"
#include "PoliceEcran.h"
#include "TexteCp1252.h"
#include "Touches.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
const QString kTitreParDefaut = QStringLiteral("Supression d'un arc");
const QString kOk = QStringLiteral("Ok");
const QString kAnnuler = QStringLiteral("Annuler");
const QString kDepart = QStringLiteral("Nom du sommet de départ");
const QString kArrivee = QStringLiteral("Nom du sommet d'arrivée");
constexpr QSize kTaille{340, 200};

QPushButton* CreerBouton(QWidget* parent, const char* nom, const QString& texte, QRect geometrie)
{
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setGeometry(geometrie);
    // No default button: Enter acts only where the dialog says.
    bouton->setAutoDefault(false);
    return bouton;
}

// Labels take the width of their text, from the given corner.
QLabel* CreerEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint coin)
{
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QLatin1String(nom));
    etiquette->move(coin);
    etiquette->adjustSize();
    return etiquette;
}

QLineEdit* CreerChamp(QWidget* parent, const char* nom, QRect geometrie)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(QLatin1String(nom));
    champ->setGeometry(geometrie);
    PreparerChampNom(*champ);
    return champ;
}
}  // namespace

QPoint PositionCentree(QSize ecran, QSize dialogue)
{
    return {(ecran.width() >> 1) - (dialogue.width() >> 1),
            (ecran.height() >> 1) - (dialogue.height() >> 1)};
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire)
    : QDialog(proprietaire,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFont(PoliceEcran());
    setWindowTitle(kTitreParDefaut);
    resize(kTaille);
    bt_Ok = CreerBouton(this, "bt_Ok", kOk, QRect(8, 136, 137, 33));
    bt_Annuler = CreerBouton(this, "bt_Annuler", kAnnuler, QRect(184, 136, 137, 33));
    lbl_depart = CreerEtiquette(this, "lbl_depart", kDepart, QPoint(8, 16));
    ed_depart = CreerChamp(this, "ed_depart", QRect(8, 80, 89, 21));
    lbl_arrive = CreerEtiquette(this, "lbl_arrive", kArrivee, QPoint(200, 16));
    ed_arrive = CreerChamp(this, "ed_arrive", QRect(232, 80, 89, 21));
    ed_arrive->installEventFilter(this);
    setTabOrder(bt_Ok, bt_Annuler);
    setTabOrder(bt_Annuler, ed_depart);
    setTabOrder(ed_depart, ed_arrive);
    connect(bt_Ok, &QPushButton::clicked, this, &TSuppressionArc::bt_OkClick);
    connect(bt_Annuler, &QPushButton::clicked, this, &TSuppressionArc::bt_AnnulerClick);
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire, char (&nomDepart_)[kTailleNom],
                                 char (&nomArrivee_)[kTailleNom])
    : TSuppressionArc(proprietaire)
{
    nomDepart = &nomDepart_;
    nomArrivee = &nomArrivee_;
    Centrer();
    departFourni = nomDepart_[0] != '\0';
    if (departFourni)
        ed_depart->setText(LireNom(nomDepart_));
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire, const QString& titre,
                                 char (&nomDepart_)[kTailleNom], char (&nomArrivee_)[kTailleNom])
    : TSuppressionArc(proprietaire)
{
    nomDepart = &nomDepart_;
    nomArrivee = &nomArrivee_;
    Centrer();
    setWindowTitle(titre);
}

void TSuppressionArc::Centrer()
{
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(PositionCentree(ecran->geometry().size(), frameGeometry().size()));
}

void TSuppressionArc::bt_OkClick()
{
    if (nomDepart != nullptr) {
        EcrireNom(ed_depart->text(), *nomDepart);
        EcrireNom(ed_arrive->text(), *nomArrivee);
    }
    done(QDialog::Rejected);
}

void TSuppressionArc::bt_AnnulerClick()
{
    if (nomDepart != nullptr) {
        CopierNom(*nomDepart, "");
        CopierNom(*nomArrivee, "");
    }
    done(QDialog::Rejected);
}

void TSuppressionArc::reject()
{
    bt_AnnulerClick();
}

void TSuppressionArc::changeEvent(QEvent* evenement)
{
    QDialog::changeEvent(evenement);
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow())
        (departFourni ? ed_arrive : ed_depart)->setFocus(Qt::ActiveWindowFocusReason);
}

void TSuppressionArc::keyPressEvent(QKeyEvent* evenement)
{
    // Keys left over by a control reach the dialog too; the dialog's own
    // keys count only when no control has the focus, so that Enter in the
    // departure field does nothing.
    const QWidget* focus = focusWidget();
    const bool sansControle = focus == nullptr || focus == this;
    if (!(sansControle && TraiterTouche(*evenement)))
        QWidget::keyPressEvent(evenement);
}

bool TSuppressionArc::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ed_arrive && TraiterTouche(*evenement))
        return true;
    return QDialog::eventFilter(objet, evenement);
}

bool TSuppressionArc::TraiterTouche(const QEvent& evenement)
{
    return RepondreToucheDialogue(evenement, [this] { bt_OkClick(); }, [this] { bt_AnnulerClick(); });
}

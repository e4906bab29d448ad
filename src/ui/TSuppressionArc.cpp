#include "TSuppressionArc.h"

#include "ChampNom.h"
#include "TexteCp1252.h"
#include "ToucheDialogue.h"

#include <QCompleter>
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
const QString kTitreParDefaut = QStringLiteral("Supression d'un arc");
const QString kDepart = QStringLiteral("Nom du sommet de départ");
const QString kArrivee = QStringLiteral("Nom du sommet d'arrivée");
constexpr QSize kTaille{340, 200};

// Labels take the width of their text, from the given corner.
QLabel* CreerEtiquette(QWidget* parent, const char* nom, const QString& texte, QPoint coin)
{
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QLatin1String(nom));
    etiquette->move(coin);
    etiquette->adjustSize();
    return etiquette;
}
}  // namespace

QPoint PositionCentree(QSize ecran, QSize dialogue)
{
    return {(ecran.width() >> 1) - (dialogue.width() >> 1), (ecran.height() >> 1) - (dialogue.height() >> 1)};
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire) : TDialogueSaisie(proprietaire, {}, kTitreParDefaut)
{
    resize(kTaille);
    CreerBoutons("bt_Ok", QRect(8, 136, 137, 33), "bt_Annuler", QRect(184, 136, 137, 33));
    lbl_depart = CreerEtiquette(this, "lbl_depart", kDepart, QPoint(8, 16));
    ed_depart = CreerChampNom(this, "ed_depart", QRect(8, 80, 89, 21));
    lbl_arrive = CreerEtiquette(this, "lbl_arrive", kArrivee, QPoint(200, 16));
    ed_arrive = CreerChampNom(this, "ed_arrive", QRect(232, 80, 89, 21));
    EcouterTouches(*ed_arrive);
    setTabOrder(btOk, btAnnuler);
    setTabOrder(btAnnuler, ed_depart);
    setTabOrder(ed_depart, ed_arrive);
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire, char (&nomDepart_)[kTailleNom], char (&nomArrivee_)[kTailleNom])
    : TSuppressionArc(proprietaire)
{
    nomDepart = &nomDepart_;
    nomArrivee = &nomArrivee_;
    Centrer();
    departFourni = nomDepart_[0] != '\0';
    if (departFourni)
        ed_depart->setText(LireNom(nomDepart_));
}

TSuppressionArc::TSuppressionArc(QWidget* proprietaire, const QString& titre, char (&nomDepart_)[kTailleNom],
                                 char (&nomArrivee_)[kTailleNom])
    : TSuppressionArc(proprietaire)
{
    nomDepart = &nomDepart_;
    nomArrivee = &nomArrivee_;
    Centrer();
    setWindowTitle(titre);
}

void TSuppressionArc::ProposerNoms(const QStringList& noms)
{
    completion = new QCompleter(noms, this);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    ed_depart->setCompleter(completion);
    ed_arrive->setCompleter(completion);
    completion->popup()->installEventFilter(this);
}

void TSuppressionArc::Centrer()
{
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(PositionCentree(ecran->geometry().size(), frameGeometry().size()));
}

void TSuppressionArc::EcrireReponse()
{
    if (nomDepart != nullptr) {
        EcrireNom(ed_depart->text(), *nomDepart);
        EcrireNom(ed_arrive->text(), *nomArrivee);
    }
}

void TSuppressionArc::EffacerReponse()
{
    if (nomDepart != nullptr) {
        CopierNom(*nomDepart, "");
        CopierNom(*nomArrivee, "");
    }
}

QLineEdit& TSuppressionArc::ChampActif() const
{
    return departFourni ? *ed_arrive : *ed_depart;
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
    // While names are offered, the keys go to their list first. Unless one
    // was picked with the arrows, Enter and Escape keep their meaning in the
    // arrival field: a name typed in full is answered with one Enter.
    if (completion != nullptr && objet == completion->popup() && completion->widget() == ed_arrive
        && !completion->popup()->currentIndex().isValid() && LireToucheDialogue(*evenement) != ToucheDialogue::Autre) {
        completion->popup()->hide();
        return TraiterTouche(*evenement);
    }
    return TDialogueSaisie::eventFilter(objet, evenement);
}

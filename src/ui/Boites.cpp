#include "Boites.h"

#include "TProgression.h"
#include "TextesCommuns.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString kModifie = QStringLiteral("Le graphe « %1 » a été modifié.\nVoulez-vous enregistrer les modifications ?");
// Underlined letters, as Qt's own buttons have, for the keyboard.
const QString kEnregistrer = QStringLiteral("&Enregistrer");
const QString kNePasEnregistrer = QStringLiteral("&Ne pas enregistrer");
const QString kAnnuler = QStringLiteral("&Annuler");

int Montrer(const QString& texte, const QString& titre, QMessageBox::StandardButtons boutons)
{
    TProgression::Masquer();
    // Centred over whatever window the user works in; the box has no owner
    // beyond that, so it never closes with a graph window.
    QMessageBox boite(QMessageBox::NoIcon, titre, texte, boutons, QApplication::activeWindow());
    if (boutons.testFlag(QMessageBox::Yes))
        boite.setDefaultButton(QMessageBox::Yes);
    return boite.exec();
}
}  // namespace

void AfficherBoite(const QString& texte, const QString& titre)
{
    Montrer(texte, titre, QMessageBox::Ok);
}

bool PoserQuestionBoite(const QString& texte, const QString& titre)
{
    return Montrer(texte, titre, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

ChoixFermeture DemanderEnregistrement(const QString& nom)
{
    TProgression::Masquer();
    QMessageBox boite(QMessageBox::NoIcon, kNomApplication, kModifie.arg(nom), QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* enregistrer = boite.addButton(kEnregistrer, QMessageBox::AcceptRole);
    QPushButton* nePas = boite.addButton(kNePasEnregistrer, QMessageBox::DestructiveRole);
    QPushButton* annuler = boite.addButton(kAnnuler, QMessageBox::RejectRole);
    boite.setDefaultButton(enregistrer);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == enregistrer)
        return ChoixFermeture::Enregistrer;
    return boite.clickedButton() == nePas ? ChoixFermeture::NePasEnregistrer : ChoixFermeture::Annuler;
}

#include "Boites.h"

#include <QApplication>
#include <QMessageBox>

namespace {
int Montrer(const QString& texte, const QString& titre, QMessageBox::StandardButtons boutons)
{
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

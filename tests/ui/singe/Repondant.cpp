#include "Repondant.h"

#include <QAbstractButton>
#include <QAbstractPrintDialog>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

Repondant::Repondant(Hasard& hasard_, QDir dossier_, Noms noms_, Journal journal_)
    : hasard(hasard_), dossier(std::move(dossier_)), noms(std::move(noms_)), journal(std::move(journal_))
{
    minuterie.setInterval(5);
    connect(&minuterie, &QTimer::timeout, this, &Repondant::Surveiller);
    minuterie.start();
}

void Repondant::Surveiller()
{
    QWidget* dialogue = QApplication::activePopupWidget();
    if (dialogue == nullptr)
        dialogue = QApplication::activeModalWidget();
    if (dialogue == nullptr || !dialogue->isVisible())
        return;
    std::erase_if(enCours, [](const QPointer<QWidget>& w) { return w.isNull(); });
    if (std::find(enCours.begin(), enCours.end(), dialogue) != enCours.end())
        return;
    enCours.emplace_back(dialogue);
    QTimer::singleShot(0, this, [this, cible = QPointer<QWidget>(dialogue)] {
        if (cible != nullptr && cible->isVisible())
            Repondre(cible);
        std::erase_if(enCours, [&cible](const QPointer<QWidget>& w) { return w.isNull() || w == cible; });
    });
}

void Repondant::Repondre(QWidget* dialogue)
{
    if (auto* menu = qobject_cast<QMenu*>(dialogue))
        return RepondreMenu(*menu);
    if (auto* boite = qobject_cast<QMessageBox*>(dialogue))
        return RepondreBoite(*boite);
    if (auto* fichiers = qobject_cast<QFileDialog*>(dialogue))
        return RepondreFichier(*fichiers);
    if (auto* impression = qobject_cast<QAbstractPrintDialog*>(dialogue))
        return RepondreImpression(*impression);
    auto* saisie = qobject_cast<QDialog*>(dialogue);
    auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("edChampNom"));
    auto* depart = dialogue->findChild<QLineEdit*>(QStringLiteral("ed_depart"));
    auto* arrivee = dialogue->findChild<QLineEdit*>(QStringLiteral("ed_arrive"));
    if (saisie != nullptr && nom != nullptr)
        return RepondreSaisie(*saisie, {nom});
    if (saisie != nullptr && depart != nullptr && arrivee != nullptr)
        return RepondreSaisie(*saisie, {depart, arrivee});
    // A completion list, or anything this session does not know: gone.
    journal(QStringLiteral("  fermé : %1").arg(QLatin1String(dialogue->metaObject()->className())));
    if (hasard.Chance(0.5))
        QTest::keyClick(dialogue, Qt::Key_Escape);
    else
        dialogue->close();
}

// Sometimes another file (a folder, a missing folder) or a few copies.
void Repondant::RepondreImpression(QAbstractPrintDialog& impression)
{
    if (!hasard.Chance(0.6)) {
        journal(QStringLiteral("  impression annulée"));
        impression.reject();
        return;
    }
    if (auto* fichier = impression.findChild<QLineEdit*>(QStringLiteral("filename")); fichier && hasard.Chance(0.3)) {
        QString chemin = CheminAuHasard();
        chemin.replace(QStringLiteral(".gff"), QStringLiteral(".pdf"));
        if (hasard.Chance(0.2))
            chemin = dossier.filePath(QStringLiteral("absent/g.pdf"));
        fichier->setText(chemin);
    }
    if (auto* copies = impression.findChild<QSpinBox*>(QStringLiteral("copies")); copies && hasard.Chance(0.3))
        copies->setValue(hasard.Entier(1, 3));
    impression.accept();
    journal(QStringLiteral("  impression acceptée vers %1").arg(impression.printer()->outputFileName()));
    if (!impression.isVisible() && impression.result() == QDialog::Accepted)
        constats.pdf = impression.printer()->outputFileName();
}

void Repondant::RepondreMenu(QMenu& menu)
{
    QList<QAction*> items;
    for (QAction* item : menu.actions()) {
        if (!item->isSeparator() && item->isEnabled() && item->isVisible())
            items << item;
    }
    if (items.isEmpty() || hasard.Chance(0.15)) {
        journal(QStringLiteral("  menu fermé"));
        QTest::keyClick(&menu, Qt::Key_Escape);
        return;
    }
    QAction* item = hasard.Parmi(items);
    journal(QStringLiteral("  menu : %1").arg(item->text()));
    menu.setActiveAction(item);
    QTest::keyClick(&menu, Qt::Key_Return);
}

void Repondant::RepondreBoite(QMessageBox& boite)
{
    constats.titresBoites << boite.windowTitle();
    constats.textesBoites << boite.text();
    const QList<QAbstractButton*> boutons = boite.buttons();
    if (boutons.size() <= 1)
        ++constats.notices;
    if (boutons.isEmpty()) {
        boite.close();
        return;
    }
    QAbstractButton* bouton = hasard.Parmi(boutons);
    if (boite.buttonRole(bouton) != QMessageBox::YesRole && boite.buttonRole(bouton) != QMessageBox::AcceptRole)
        ++constats.refus;
    journal(QStringLiteral("  boîte « %1 » : %2").arg(boite.text().left(60), bouton->text()));
    bouton->click();
}

// Names of the graph and plain weights more often than chance alone would
// give them, so that arcs and paths come about.
QString Repondant::TexteProbable(const QString& titre)
{
    const QStringList connus = noms();
    if (titre.contains(QStringLiteral("poids")) && hasard.Chance(0.6))
        return QString::number(hasard.Entier(-10, 50));
    if (titre.contains(QStringLiteral("nom du sommet")) && hasard.Chance(0.4))
        return QStringLiteral("S%1").arg(hasard.Entier(0, 99));
    if (!connus.isEmpty() && hasard.Chance(titre.startsWith(QStringLiteral("Algorithme")) ? 0.8 : 0.4))
        return hasard.Parmi(connus);
    return hasard.Texte(connus);
}

void Repondant::Remplir(QLineEdit& champ, const QString& titre)
{
    const QString texte = TexteProbable(titre);
    if (hasard.Chance(0.2))
        return;  // left as it was
    champ.clear();
    if (hasard.Chance(0.3)) {
        champ.setText(texte);  // pasted
        return;
    }
    // Typed key by key; a character outside the basic plane comes as one
    // event, as from a keyboard.
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const qsizetype n = texte[i].isHighSurrogate() && i + 1 < texte.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, &champ, Qt::Key_unknown, texte.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

void Repondant::RepondreSaisie(QDialog& saisie, const std::vector<QLineEdit*>& champs)
{
    QStringList textes;
    for (QLineEdit* champ : champs) {
        Remplir(*champ, saisie.windowTitle());
        textes << champ->text();
    }
    auto* ok = saisie.findChild<QPushButton*>(QStringLiteral("btOk"));
    if (ok == nullptr)
        ok = saisie.findChild<QPushButton*>(QStringLiteral("bt_Ok"));
    const int choix = hasard.Entier(0, 9);
    journal(QStringLiteral("  saisie « %1 » [%2] : réponse %3")
                .arg(saisie.windowTitle(), textes.join(QStringLiteral("|")))
                .arg(choix));
    if (choix <= 4 && ok != nullptr)
        ok->click();
    else if (choix <= 6)
        QTest::keyClick(champs.back(), Qt::Key_Return);
    else if (choix == 7)
        QTest::keyClick(champs.back(), Qt::Key_Escape);
    else
        saisie.close();
    // Enter and Escape act in one field only: from anywhere else the
    // prompt stays, and the next tick answers it again.
}

QString Repondant::CheminAuHasard()
{
    const QStringList existants = dossier.entryList({QStringLiteral("*.gff")}, QDir::Files);
    switch (hasard.Entier(-2, 5)) {
    case -2:
    case -1:
    case 0:
        if (!existants.isEmpty())
            return dossier.filePath(hasard.Parmi(existants));
        [[fallthrough]];
    case 1:
        return dossier.filePath(QStringLiteral("g%1.gff").arg(hasard.Entier(0, 5)));
    case 2:
        return dossier.filePath(QStringLiteral("g%1").arg(hasard.Entier(0, 5)));
    case 3: {
        QString nom = hasard.Texte({});
        nom.remove(QLatin1Char('/'));
        return dossier.filePath(nom.isEmpty() ? QStringLiteral("vide") : nom);
    }
    case 4:
        return dossier.filePath(hasard.Parmi(QStringList{QStringLiteral("bruit.gff"), QStringLiteral("nul.gff"),
                                                         QStringLiteral("dossier"), QStringLiteral("dossier.gff"),
                                                         QStringLiteral("absent.gff"), QStringLiteral("a.gff.txt")}));
    default:
        return dossier.filePath(QStringLiteral("dossier/h%1.gff").arg(hasard.Entier(0, 2)));
    }
}

void Repondant::RepondreFichier(QFileDialog& fichiers)
{
    const bool enregistrement = fichiers.acceptMode() == QFileDialog::AcceptSave;
    constats.dialoguesEnregistrement += enregistrement;
    auto* champ = fichiers.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (champ == nullptr || hasard.Chance(0.15)) {
        journal(QStringLiteral("  fichier : annulé"));
        fichiers.reject();
        return;
    }
    const QString chemin = CheminAuHasard();
    journal(QStringLiteral("  fichier : %1").arg(chemin));
    champ->setText(chemin);
    static_cast<QDialog&>(fichiers).accept();  // QFileDialog::accept, protected there
    if (enregistrement && !fichiers.isVisible() && fichiers.result() == QDialog::Accepted)
        ++constats.enregistrementsAcceptes;
}

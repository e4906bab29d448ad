#include "Singe.h"

#include "OutilsSinge.h"

#include "TApercu.h"
#include "TGuide.h"
#include "TexteCp1252.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <sys/stat.h>

// The actions of a randomized session: the mouse in graph windows, the
// frame's commands and keys, the windows themselves, and the folder.

namespace {
constexpr int kSommetsMax = 25;

// Every command of the frame: the items of its menus, submenus included,
// and its toolbar buttons.
void AjouterItems(QMenu& menu, QList<QAction*>& items)
{
    emit menu.aboutToShow();  // the window and recent-file lists fill here
    for (QAction* item : menu.actions()) {
        if (item->menu() != nullptr)
            AjouterItems(*item->menu(), items);
        else if (!item->isSeparator())
            items << item;
    }
}

QList<QAction*> Commandes(TTrivaldo& cadre)
{
    QList<QAction*> items;
    for (QAction* menu : cadre.menuBar()->actions())
        AjouterItems(*menu->menu(), items);
    for (QAction* bouton : cadre.findChild<QToolBar*>()->actions()) {
        if (!bouton->isSeparator())
            items << bouton;
    }
    return items;
}

void Mouvement(QWidget& cible, QPoint p, Qt::MouseButtons boutons)
{
    QMouseEvent evenement(QEvent::MouseMove, p, cible.mapToGlobal(p), Qt::NoButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(&cible, &evenement);
}

}  // namespace

TFenetreGraphe* Singe::FenetreAuHasard()
{
    const QList<TFenetreGraphe*> fenetres = Fenetres(*cadre);
    if (fenetres.isEmpty())
        return nullptr;
    if (TFenetreGraphe* active = cadre->FenetreActive(); active != nullptr && hasard.Chance(0.8))
        return active;
    return hasard.Parmi(fenetres);
}

QPoint Singe::PointAuHasard(TFenetreGraphe& fenetre)
{
    const TGraphe& graphe = fenetre.Graphe();
    if (graphe.NbSommets() > 0 && hasard.Chance(0.6)) {
        int rang = hasard.Entier(0, graphe.NbSommets() - 1);
        for (const Sommet& s : graphe.Sommets()) {
            if (rang-- == 0)
                return {s.x + hasard.Entier(-9, 9), s.y + hasard.Entier(-9, 9)};
        }
    }
    return {hasard.Entier(0, std::max(0, fenetre.width() - 1)), hasard.Entier(0, std::max(0, fenetre.height() - 1))};
}

QStringList Singe::NomsActifs()
{
    QStringList noms;
    if (cadre == nullptr || cadre->FenetreActive() == nullptr)
        return noms;
    for (const Sommet& s : cadre->FenetreActive()->Graphe().Sommets())
        noms << LireNom(s.nom);
    return noms;
}

void Singe::CliquerVide()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    const bool plein = fenetre->Graphe().NbSommets() >= kSommetsMax;
    Noter(QStringLiteral("clic %1 en (%2, %3)").arg(plein ? "droit" : "gauche").arg(p.x()).arg(p.y()));
    QTest::mouseClick(fenetre, plein ? Qt::RightButton : Qt::LeftButton, {}, p);
}

void Singe::Glisser()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPointer<TFenetreGraphe> garde(fenetre);
    const QPoint depart = PointAuHasard(*fenetre);
    const QPoint arrivee = PointAuHasard(*fenetre);
    Noter(QStringLiteral("glisser de (%1, %2) à (%3, %4)")
              .arg(depart.x())
              .arg(depart.y())
              .arg(arrivee.x())
              .arg(arrivee.y()));
    QTest::mousePress(fenetre, Qt::LeftButton, {}, depart);
    for (int pas = 1; pas <= 4 && garde != nullptr; ++pas)
        Mouvement(*fenetre, depart + (arrivee - depart) * pas / 4, Qt::LeftButton);
    if (garde != nullptr && hasard.Chance(0.1)) {
        Noter(QStringLiteral("  clic droit pendant le glissement"));
        QTest::mouseClick(fenetre, Qt::RightButton, {}, arrivee);
    }
    if (garde != nullptr)
        QTest::mouseRelease(fenetre, Qt::LeftButton, {}, arrivee);
}

void Singe::DoubleCliquer()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    const bool gauche = fenetre->Graphe().NbSommets() < kSommetsMax && hasard.Chance(0.7);
    Noter(QStringLiteral("double clic %1 en (%2, %3)").arg(gauche ? "gauche" : "droit").arg(p.x()).arg(p.y()));
    QTest::mouseDClick(fenetre, gauche ? Qt::LeftButton : Qt::RightButton, {}, p);
}

void Singe::CliquerDroit()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    Noter(QStringLiteral("clic droit en (%1, %2)").arg(p.x()).arg(p.y()));
    QTest::mouseClick(fenetre, Qt::RightButton, {}, p);
}

// With no button held, as after "Déplacer ce sommet"; sometimes a left
// click drops the vertex.
void Singe::Bouger()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPointer<TFenetreGraphe> garde(fenetre);
    for (int n = hasard.Entier(1, 5); n > 0 && garde != nullptr; --n) {
        const QPoint p(hasard.Entier(-20, fenetre->width() + 20), hasard.Entier(-20, fenetre->height() + 20));
        Noter(QStringLiteral("souris en (%1, %2)").arg(p.x()).arg(p.y()));
        Mouvement(*fenetre, p, Qt::NoButton);
    }
    if (garde != nullptr && hasard.Chance(0.3)) {
        Noter(QStringLiteral("  posé"));
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, fenetre->mapFromGlobal(QCursor::pos()));
    }
}

void Singe::Commander()
{
    const QList<QAction*> commandes = Commandes(*cadre);
    QAction* commande = hasard.Parmi(commandes);
    actionEnCours = commande->objectName();
    Noter(QStringLiteral("commande %1 « %2 »").arg(commande->objectName(), commande->text()));
    commande->trigger();
}

void Singe::Raccourci()
{
    static const QKeyCombination kTouches[] = {Qt::CTRL | Qt::Key_N,           Qt::CTRL | Qt::Key_O,
                                               Qt::CTRL | Qt::Key_S,           Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                                               Qt::CTRL | Qt::Key_F,           Qt::CTRL | Qt::Key_W,
                                               Qt::CTRL | Qt::Key_P,           Qt::CTRL | Qt::Key_Tab,
                                               Qt::CTRL | Qt::Key_D,           Qt::CTRL | Qt::Key_C,
                                               Qt::CTRL | Qt::Key_A,           Qt::CTRL | Qt::Key_E,
                                               QKeyCombination(Qt::Key_F1),    QKeyCombination(Qt::Key_F10),
                                               QKeyCombination(Qt::Key_Escape)};
    const QKeyCombination touche = hasard.Parmi(kTouches);
    Noter(QStringLiteral("touche %1").arg(QKeySequence(touche).toString()));
    if (touche == (Qt::CTRL | Qt::Key_S) || touche == (Qt::CTRL | Qt::SHIFT | Qt::Key_S))
        actionEnCours = QStringLiteral("Enregistrer1");
    QApplication::setActiveWindow(cadre.get());
    QTest::keyClick(cadre.get(), touche.key(), touche.keyboardModifiers());
}

void Singe::ChangerDeFenetre()
{
    const QList<QMdiSubWindow*> sous = Zone(*cadre)->subWindowList();
    if (sous.isEmpty())
        return Commander();
    QMdiSubWindow* choisie = hasard.Parmi(sous);
    Noter(QStringLiteral("fenêtre « %1 » au premier plan").arg(choisie->windowTitle()));
    Zone(*cadre)->setActiveSubWindow(choisie);
}

void Singe::RetoucherSousFenetre()
{
    const QList<QMdiSubWindow*> sous = Zone(*cadre)->subWindowList();
    if (sous.isEmpty())
        return Commander();
    QMdiSubWindow* choisie = hasard.Parmi(sous);
    switch (hasard.Entier(0, 5)) {
    case 0: {
        const QSize taille(hasard.Entier(20, 900), hasard.Entier(20, 700));
        Noter(QStringLiteral("« %1 » en %2 x %3").arg(choisie->windowTitle()).arg(taille.width()).arg(taille.height()));
        choisie->resize(taille);
        break;
    }
    case 1: {
        const QPoint p(hasard.Entier(-200, 800), hasard.Entier(-200, 600));
        Noter(QStringLiteral("« %1 » en (%2, %3)").arg(choisie->windowTitle()).arg(p.x()).arg(p.y()));
        choisie->move(p);
        break;
    }
    case 2:
        Noter(QStringLiteral("« %1 » réduite").arg(choisie->windowTitle()));
        choisie->showMinimized();
        break;
    case 3:
        Noter(QStringLiteral("« %1 » agrandie").arg(choisie->windowTitle()));
        choisie->showMaximized();
        break;
    case 4: {
        const QSize taille(hasard.Entier(150, 1200), hasard.Entier(120, 900));
        Noter(QStringLiteral("cadre en %1 x %2").arg(taille.width()).arg(taille.height()));
        cadre->resize(taille);
        break;
    }
    default:
        Noter(QStringLiteral("case de fermeture de « %1 »").arg(choisie->windowTitle()));
        choisie->close();
    }
}

void Singe::Deposer()
{
    const QDir ici(dossier.path());
    QStringList noms = ici.entryList({QStringLiteral("*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    noms.removeAll(QStringLiteral("reglages"));
    if (noms.isEmpty())
        return Commander();
    QList<QUrl> adresses;
    for (int n = hasard.Entier(1, 3); n > 0; --n)
        adresses << QUrl::fromLocalFile(ici.filePath(hasard.Parmi(noms)));
    Noter(QStringLiteral("dépôt de %1").arg(QUrl::toStringList(adresses).join(QLatin1Char(' '))));
    QMimeData donnees;
    donnees.setUrls(adresses);
    const QPoint centre = cadre->rect().center();
    QDragEnterEvent entree(centre, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cadre.get(), &entree);
    if (!entree.isAccepted())
        return;
    QDropEvent depot(QPointF(centre), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cadre.get(), &depot);
}

// What another program or the user's file manager may do to the folder
// meanwhile: a file deleted, cut short, overwritten with junk, turned into
// a folder, a link or a FIFO.
void Singe::Bricoler()
{
    const QDir ici(dossier.path());
    const QStringList noms = ici.entryList({QStringLiteral("*.gff"), QStringLiteral("*.pdf"), QStringLiteral("*.bmp")},
                                           QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    if (noms.isEmpty())
        return Commander();
    const QString chemin = ici.filePath(hasard.Parmi(noms));
    const QFileInfo info(chemin);
    const int choix = hasard.Entier(0, 5);
    Noter(QStringLiteral("fichier %1 bricolé (%2)").arg(chemin).arg(choix));
    if (info.isDir() && !info.isSymLink())
        QDir(chemin).removeRecursively();
    else
        QFile::remove(chemin);
    switch (choix) {
    case 0:
        break;  // deleted
    case 1:
        ici.mkdir(info.fileName());
        break;
    case 2:
        ::mkfifo(QFile::encodeName(chemin).constData(), 0600);
        break;
    case 3:
        QFile::link(ici.filePath(hasard.Parmi(noms)), chemin);
        break;
    default: {
        QFile fichier(chemin);
        if (fichier.open(QIODevice::WriteOnly)) {
            for (int n = hasard.Entier(0, 200); n > 0; --n)
                fichier.putChar(static_cast<char>(hasard.Entier(0, 255)));
        }
    }
    }
    PhotographierDossier();  // not the program's doing
}

void Singe::FermerFenetresVolantes()
{
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->isVisible() && (qobject_cast<TApercu*>(fenetre) != nullptr || qobject_cast<TGuide*>(fenetre))) {
            Noter(QStringLiteral("fermeture de « %1 »").arg(fenetre->windowTitle()));
            if (hasard.Chance(0.5))
                QTest::keyClick(fenetre, Qt::Key_Escape);
            else
                fenetre->close();
        }
    }
}

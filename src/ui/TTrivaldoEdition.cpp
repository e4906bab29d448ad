#include "TTrivaldo.h"

#include "TFenetreGraphe.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QUndoGroup>
#include <QUndoStack>

// The "Édition" menu: undo and redo in the history of the active graph
// window, each item naming the step it would take back or make again.

namespace {
const QString kAnnuler = QStringLiteral("&Annuler");
const QString kRetablir = QStringLiteral("&Rétablir");

// "Annuler l'ajout du sommet « A »", or the bare verb when there is no step.
void Nommer(QAction* item, const QString& verbe, const QString& etape)
{
    item->setText(etape.isEmpty() ? verbe : verbe + QLatin1Char(' ') + etape);
}
}  // namespace

void TTrivaldo::CreerMenuEdition()
{
    historiques = new QUndoGroup(this);
    QMenu* edition = AjouterMenu(nullptr, "Edition1", QStringLiteral("&Édition"));
    QAction* annuler = AjouterItem(edition, "Annuler1", kAnnuler, QKeySequence(Qt::CTRL | Qt::Key_Z), [this] {
        if (TFenetreGraphe* fenetre = FenetreActive())
            fenetre->Annuler();
    });
    QAction* retablir = AjouterItem(edition, "Rtablir1", kRetablir, QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
        if (TFenetreGraphe* fenetre = FenetreActive())
            fenetre->Retablir();
    });
    retablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    annuler->setEnabled(false);
    retablir->setEnabled(false);
    connect(historiques, &QUndoGroup::canUndoChanged, annuler, &QAction::setEnabled);
    connect(historiques, &QUndoGroup::canRedoChanged, retablir, &QAction::setEnabled);
    connect(historiques, &QUndoGroup::undoTextChanged, annuler,
            [annuler](const QString& etape) { Nommer(annuler, kAnnuler, etape); });
    connect(historiques, &QUndoGroup::redoTextChanged, retablir,
            [retablir](const QString& etape) { Nommer(retablir, kRetablir, etape); });
    connect(zone, &QMdiArea::subWindowActivated, this, &TTrivaldo::SuivreFenetreActive);
}

void TTrivaldo::SuivreFenetreActive()
{
    // The current window, as the commands take it: the area reports none
    // while a dialog has the focus, yet the commands still act on it.
    TFenetreGraphe* fenetre = FenetreActive();
    if (fenetre == nullptr) {
        historiques->setActiveStack(nullptr);
        return;
    }
    historiques->addStack(&fenetre->Historique());
    historiques->setActiveStack(&fenetre->Historique());
}

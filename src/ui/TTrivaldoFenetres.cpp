#include "TTrivaldo.h"

#include "TFenetreGraphe.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

// The window menu: arranging the graph windows and reaching any of them,
// result windows opened out of sight included.

void TTrivaldo::CreerMenuFenetres()
{
    menuFenetres = AjouterMenu(nullptr, "Fentres1", QStringLiteral("Fe&nêtres"));
    AjouterItem(menuFenetres, "Cascade1", QStringLiteral("&Cascade"), {}, [this] { zone->cascadeSubWindows(); });
    AjouterItem(menuFenetres, "Mosaque1", QStringLiteral("&Mosaïque"), {}, [this] { zone->tileSubWindows(); });
    AjouterItem(menuFenetres, "Fentresuivante1", QStringLiteral("Fenêtre &suivante"),
                QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { zone->activateNextSubWindow(); });
    menuFenetres->addSeparator();
    nbItemsFenetres = static_cast<int>(menuFenetres->actions().size());
    connect(menuFenetres, &QMenu::aboutToShow, this, &TTrivaldo::ListerFenetres);
}

void TTrivaldo::ListerFenetres()
{
    const QList<QAction*> items = menuFenetres->actions();
    for (qsizetype i = nbItemsFenetres; i < items.size(); ++i)
        delete items[i];
    const QList<QMdiSubWindow*> fenetres = zone->subWindowList();
    for (int i = 0; i < fenetres.size(); ++i) {
        QMdiSubWindow* sous = fenetres[i];
        auto* fenetre = qobject_cast<TFenetreGraphe*>(sous->widget());
        QString titre = fenetre != nullptr ? fenetre->TitreAffiche() : sous->windowTitle();
        titre.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menuFenetres->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(titre) : titre);
        item->setCheckable(true);
        item->setChecked(sous == zone->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, sous = QPointer<QMdiSubWindow>(sous)] {
            if (sous == nullptr)
                return;
            // Out of sight, it comes back to the top left corner.
            if (!zone->viewport()->rect().intersects(sous->geometry()))
                sous->move(0, 0);
            zone->setActiveSubWindow(sous);
        });
    }
}

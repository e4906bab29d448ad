#include "TTrivaldo.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

// Files reached without the open dialog: dropped on the frame, or picked
// from the recent files.

namespace {
const QString kEffacer = QStringLiteral("&Effacer la liste");

QStringList FichiersLocaux(const QMimeData* donnees)
{
    QStringList chemins;
    if (donnees == nullptr)
        return chemins;
    for (const QUrl& adresse : donnees->urls())
        if (adresse.isLocalFile())
            chemins << adresse.toLocalFile();
    return chemins;
}
}  // namespace

void TTrivaldo::dragEnterEvent(QDragEnterEvent* evenement)
{
    if (!FichiersLocaux(evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

void TTrivaldo::dropEvent(QDropEvent* evenement)
{
    const QStringList chemins = FichiersLocaux(evenement->mimeData());
    if (chemins.isEmpty())
        return;
    evenement->acceptProposedAction();
    OuvrirFichiers(chemins);
}

void TTrivaldo::RetenirFichier(const QString& chemin)
{
    recents.Ajouter(chemin);
    ListerRecents();
}

void TTrivaldo::ListerRecents()
{
    // Later, not now: the item chosen may be the one rebuilding the list.
    for (QAction* ancien : menuRecents->actions()) {
        menuRecents->removeAction(ancien);
        ancien->setParent(nullptr);
        ancien->deleteLater();
    }
    const QStringList liste = recents.Liste();
    for (int i = 0; i < liste.size(); ++i) {
        // A path may hold "&", which would otherwise underline the next letter.
        QString texte = liste[i];
        QAction* item = menuRecents->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(texte.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        connect(item, &QAction::triggered, this, [this, chemin = liste[i]] { OuvrirFichiers({chemin}); });
    }
    menuRecents->addSeparator();
    QAction* effacer = menuRecents->addAction(kEffacer);
    effacer->setObjectName(QStringLiteral("Effacerlaliste1"));
    effacer->setEnabled(!liste.isEmpty());
    connect(effacer, &QAction::triggered, this, [this] {
        recents.Effacer();
        ListerRecents();
    });
}

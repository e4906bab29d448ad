#pragma once

#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>

// What the randomized sessions' actions and checks share.

inline QMdiArea* Zone(TTrivaldo& cadre)
{
    return cadre.findChild<QMdiArea*>();
}

inline QList<TFenetreGraphe*> Fenetres(TTrivaldo& cadre)
{
    QList<TFenetreGraphe*> fenetres;
    // Step tables are sub-windows too, without a graph.
    for (QMdiSubWindow* sous : Zone(cadre)->subWindowList()) {
        if (auto* fenetre = qobject_cast<TFenetreGraphe*>(sous->widget()))
            fenetres << fenetre;
    }
    return fenetres;
}

// The regular ".gff" files under `dossier` by their real paths (a link
// followed), with their bytes. A FIFO, or a link to one, would block the
// reading; a link to a picture or a page changes with that file, not with
// any save.
inline QMap<QString, QByteArray> FichiersGff(const QString& dossier)
{
    QMap<QString, QByteArray> fichiers;
    for (QDirIterator it(dossier, {QStringLiteral("*.gff")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString reel = QFileInfo(it.next()).canonicalFilePath();
        QFile fichier(reel);
        if (reel.endsWith(QLatin1String(".gff")) && QFileInfo(reel).isFile() && fichier.open(QIODevice::ReadOnly))
            fichiers.insert(reel, fichier.readAll());
    }
    return fichiers;
}

inline void FinirEvenements()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

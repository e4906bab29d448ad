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
    for (QMdiSubWindow* sous : Zone(cadre)->subWindowList())
        fenetres << qobject_cast<TFenetreGraphe*>(sous->widget());
    return fenetres;
}

// The regular ".gff" files under `dossier`, by their bytes; a FIFO, or a
// link to one, would block the reading.
inline QMap<QString, QByteArray> FichiersGff(const QString& dossier)
{
    QMap<QString, QByteArray> fichiers;
    for (QDirIterator it(dossier, {QStringLiteral("*.gff")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile fichier(it.next());
        if (QFileInfo(fichier).isFile() && fichier.open(QIODevice::ReadOnly))
            fichiers.insert(fichier.fileName(), fichier.readAll());
    }
    return fichiers;
}

inline void FinirEvenements()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

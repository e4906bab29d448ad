#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void InstallerTraductionsQt(QCoreApplication& application)
{
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}

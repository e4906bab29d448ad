#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void Installer(QCoreApplication& application, const QString& nom, const QString& dossier)
{
    auto* traducteur = new QTranslator(&application);
    if (traducteur->load(nom, dossier))
        QCoreApplication::installTranslator(traducteur);
    else
        delete traducteur;
}
}  // namespace

void ChoisirLocaleFrancaise()
{
    // The file dialogs format sizes and dates in the system locale, whatever
    // the default one, and Qt builds that from these variables once, at its
    // first use of any locale (LC_ALL, set by hand, still outranks them).
    // Numbers in the C library stay as they were.
    qputenv("LC_MESSAGES", "fr_FR.UTF-8");
    qputenv("LC_TIME", "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void InstallerTraductionsQt(QCoreApplication& application)
{
    Installer(application, QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built from traductions/quorvalent_fr.ts into the resources.
    Installer(application, QStringLiteral("quorvalent_fr"), QStringLiteral(":/traductions"));
}

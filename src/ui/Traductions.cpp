#include "Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <string>

namespace {
constexpr const char* kLocaleFrancaise = "fr_FR.UTF-8";

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
    // Qt's own dialogs format numbers and dates in the system locale,
    // whatever the default one, and Qt builds that from these variables once,
    // at its first use of any locale (LC_ALL, set by hand, still outranks
    // them). The file dialogs' list does not wait for it: see
    // DialoguesFichiersFrancais.h.
    // Only where the C library has the French locale: otherwise the
    // application's setlocale() would fail and leave it in plain ASCII.
    // Numbers in the C library stay as they were.
    const std::string avant = std::setlocale(LC_TIME, nullptr);
    if (std::setlocale(LC_TIME, kLocaleFrancaise) != nullptr) {
        qputenv("LC_MESSAGES", kLocaleFrancaise);
        qputenv("LC_TIME", kLocaleFrancaise);
    }
    std::setlocale(LC_TIME, avant.c_str());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void InstallerTraductionsQt(QCoreApplication& application)
{
    Installer(application, QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built from traductions/quorvalent_fr.ts into the resources.
    Installer(application, QStringLiteral("quorvalent_fr"), QStringLiteral(":/traductions"));
}

#include "LigneCommande.h"
#include "TTrivaldo.h"
#include "TextesCommuns.h"
#include "Traductions.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <csignal>

int main(int argc, char* argv[])
{
    ChoisirLocaleFrancaise();
    // A file size limit then fails the write, which says so, instead of
    // killing the program with every open window.
    std::signal(SIGXFSZ, SIG_IGN);
    // Help and version are answered before any display is opened, so that
    // they work from a terminal without one, as root for instance.
    {
        QCoreApplication console(argc, argv);
        InstallerTraductionsQt(console);
        if (const Lancement lancement = LireLigneCommande(QCoreApplication::arguments(), false); lancement.sortie)
            return *lancement.sortie;
    }
    QApplication application(argc, argv);
    InstallerTraductionsQt(application);
    const Lancement lancement = LireLigneCommande(QCoreApplication::arguments(), true);
    if (lancement.sortie)
        return *lancement.sortie;
    QApplication::setApplicationName(kNomApplication);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/quorvalent.png")));
    TTrivaldo Trivaldo;
    Trivaldo.show();
    // Once the frame is on screen, so that a message about a file shows over it.
    QTimer::singleShot(0, &Trivaldo, [&Trivaldo, fichiers = lancement.fichiers] { Trivaldo.OuvrirFichiers(fichiers); });
    return application.exec();
}

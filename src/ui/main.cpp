#include "TTrivaldo.h"
#include "TextesCommuns.h"
#include "Traductions.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(kNomApplication);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/quorvalent.png")));
    InstallerTraductionsQt(application);
    TTrivaldo Trivaldo;
    Trivaldo.show();
    return application.exec();
}

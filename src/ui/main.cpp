#include "TTrivaldo.h"
#include "Traductions.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvalent"));
    InstallerTraductionsQt(application);
    TTrivaldo Trivaldo;
    Trivaldo.show();
    return application.exec();
}

#include "HorsEcran.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>

namespace {
// Qt's notes about its own set-up (a missing runtime directory on a server)
// are no concern of the user's; its errors still go to standard error.
void FiltrerMessagesQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}
}  // namespace

int AvecApplicationHorsEcran(const std::function<int()>& dessiner)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(FiltrerMessagesQt);
    int argc = 1;
    char nom[] = "quorvalent-cli";
    char* argv[] = {nom, nullptr};
    QGuiApplication application(argc, argv);
    return dessiner();
}

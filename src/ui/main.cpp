#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvalent"));
    QMainWindow cadre;
    cadre.setWindowTitle(QStringLiteral("Quorvalent"));
    cadre.resize(728, 516);
    cadre.move(0, 0);
    cadre.show();
    return application.exec();
}

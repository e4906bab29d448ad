#include "singe/Singe.h"

#include "Traductions.h"

#include <QApplication>
#include <QtTest>

#include <algorithm>

// The randomized desktop sessions, for as long as MONKEY_SECONDS says (20 s
// without it), from MONKEY_SEED or, without it, from today's date, so that a
// failure seen in the morning replays all day. MONKEY_ACTIONS caps the
// actions, to replay a run up to the one that failed.
class TestSingeBureau : public QObject {
    Q_OBJECT

private slots:
    // The offscreen platform's notes on every menu and preview drown the
    // run's own report. Qt's own texts in French, as the program has them.
    void initTestCase()
    {
        static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
            if (!texte.startsWith(QLatin1String("This plugin does not support")))
                suivant(type, contexte, texte);
        });
        InstallerTraductionsQt(*QCoreApplication::instance());
    }
    void Sessions()
    {
        const ReglagesSinge reglages = LireReglagesSinge();
        Singe singe(reglages);
        const QString ecart = singe.Courir();
        QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
    }
};

// QTEST_MAIN's, but Qt Test ends any test function after five minutes: a
// run lasts as long as it is asked to, and has its own watchdog.
int main(int argc, char** argv)
{
    const double secondes = std::min(LireReglagesSinge().secondes + 600, 2e6);
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(static_cast<qint64>(secondes * 1000)));
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestSingeBureau test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestSingeBureau.moc"

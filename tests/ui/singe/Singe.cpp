#include "Singe.h"

#include "GrapheAleatoire.h"
#include "OutilsSinge.h"

#include "Conversions.h"
#include "model/ServicesMuets.h"

#include <QApplication>
#include <QDateTime>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kFenetresMax = 8;
constexpr size_t kJournal = 60;

int64_t MaintenantMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A menu opened from the keyboard (F10) stays open after its action has
// returned: it is answered before the next action, since no real click
// reaches a window past an open menu.
void AttendreLesReponses()
{
    // One still open after that is reported by the checks.
    static_cast<void>(QTest::qWaitFor(
        [] { return QApplication::activePopupWidget() == nullptr && QApplication::activeModalWidget() == nullptr; },
        20000));
    FinirEvenements();
}

}  // namespace

ReglagesSinge LireReglagesSinge()
{
    ReglagesSinge reglages;
    bool lu = false;
    reglages.graine = qEnvironmentVariable("MONKEY_SEED").toULongLong(&lu);
    if (!lu)
        reglages.graine = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd")).toULongLong();
    if (const double secondes = qEnvironmentVariable("MONKEY_SECONDS").toDouble(&lu); lu)
        reglages.secondes = secondes;
    if (const qlonglong n = qEnvironmentVariable("MONKEY_ACTIONS").toLongLong(&lu); lu)
        reglages.actionsMax = n;
    if (const int n = qEnvironmentVariableIntValue("MONKEY_STALL", &lu); lu)
        reglages.secondesBlocage = n;
    reglages.bavard = qEnvironmentVariableIntValue("MONKEY_VERBOSE") != 0;
    return reglages;
}

Singe::Singe(const ReglagesSinge& reglages_)
    : reglages(reglages_), hasard(reglages_.graine), dossier(QDir::tempPath() + QStringLiteral("/sg-XXXXXX"))
{
    // Everything the program writes lands here: prints beside their graph
    // or in the home folder, bitmaps beside their graph or in the current
    // folder, settings and recent files in the settings folder.
    const QDir ici(dossier.path());
    ici.mkpath(QStringLiteral("dossier"));
    ici.mkpath(QStringLiteral("reglages"));
    QFile bruit(ici.filePath(QStringLiteral("bruit.gff")));
    if (bruit.open(QIODevice::WriteOnly)) {
        for (int i = 0; i < 300; ++i)
            bruit.putChar(static_cast<char>(hasard.Entier(0, 255)));
    }
    QFile(ici.filePath(QStringLiteral("nul.gff"))).open(QIODevice::WriteOnly);
    for (const char* fifo : {"fifo.gff", "fifo.pdf", "fifo.bmp"})
        ::mkfifo(QFile::encodeName(ici.filePath(QLatin1String(fifo))).constData(), 0600);
    qputenv("HOME", QFile::encodeName(ici.path()));
    dossierInitial = QDir::currentPath();
    QDir::setCurrent(ici.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ici.filePath(QStringLiteral("reglages")));

    repondant = std::make_unique<Repondant>(
        hasard, ici, [this] { return NomsActifs(); }, [this](const QString& texte) { Noter(texte); });
    dernierPas = MaintenantMs();
    chien = std::thread([this] {
        while (!fini) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (MaintenantMs() - dernierPas > reglages.secondesBlocage * 1000LL) {
                std::fprintf(stderr,
                             "Singe bloqué depuis %d s : graine %llu, action n°%lld (MONKEY_VERBOSE=1 les montre)\n",
                             reglages.secondesBlocage, static_cast<unsigned long long>(reglages.graine),
                             static_cast<long long>(actions));
                std::abort();
            }
        }
    });
}

Singe::~Singe()
{
    Finir();
    QDir::setCurrent(dossierInitial);
}

void Singe::Finir()
{
    cadre.reset();
    FinirEvenements();
    fini = true;
    if (chien.joinable())
        chien.join();
}

QString Singe::Courir()
{
    std::printf("Singe : graine %llu (MONKEY_SEED), %.0f s (MONKEY_SECONDS), dossier %s\n",
                static_cast<unsigned long long>(reglages.graine), reglages.secondes, qPrintable(dossier.path()));
    std::fflush(stdout);
    chrono.start();
    while (chrono.elapsed() < reglages.secondes * 1000 && actions < reglages.actionsMax) {
        if (QString ecart = Session(); !ecart.isEmpty())
            return ecart;
    }
    std::printf("Singe : %d sessions, %lld actions en %.1f s, graine %llu\n", sessions, static_cast<long long>(actions),
                chrono.elapsed() / 1000.0, static_cast<unsigned long long>(reglages.graine));
    return {};
}

QString Singe::Session()
{
    ++sessions;
    Noter(QStringLiteral("-- session %1").arg(sessions));
    EcrireGraphesTires();
    cadre = std::make_unique<TTrivaldo>();
    cadre->show();
    if (!QTest::qWaitForWindowExposed(cadre.get()))
        return Echec(QStringLiteral("le cadre ne s'affiche pas"));
    FinirEvenements();
    for (int n = hasard.Entier(20, 250); n > 0; --n) {
        if (chrono.elapsed() >= reglages.secondes * 1000 || actions >= reglages.actionsMax)
            break;
        Agir();
        if (const QString ecart = Verifier(); !ecart.isEmpty())
            return Echec(ecart);
    }
    Noter(QStringLiteral("-- fin de session"));
    if (hasard.Chance(0.5))
        cadre->close();  // its close box
    cadre.reset();
    FinirEvenements();
    return {};
}

// Larger graphs than the mouse draws in a session, for the files to open:
// weights of both signs and at the ends of the range, names of letters or
// numbers, oriented or not.
void Singe::EcrireGraphesTires()
{
    for (int i = 0; i < 3; ++i) {
        Tirage tirage;
        tirage.sommets = hasard.Entier(2, 22);
        tirage.arcs = hasard.Entier(0, 3 * tirage.sommets);
        tirage.oriente = hasard.Chance(0.5);
        tirage.lettres = hasard.Chance(0.5);
        tirage.sansCircuit = hasard.Chance(0.3);
        tirage.arbreCouvrant = hasard.Chance(0.5);
        tirage.melange = hasard.Chance(0.5);
        tirage.poidsMin = hasard.Entier(-10, 1);
        tirage.poidsMax = hasard.Entier(1, 30);
        tirage.poidsRares = {0, 2147483647, -2147483647};
        tirage.coordonneeMin = 10;
        tirage.coordonneeMax = hasard.Entier(60, 500);
        tirage.graine = static_cast<uint32_t>(hasard.Entier(0, 1 << 30));
        ServicesMuets muet;
        TGraphe graphe(muet);
        Remplir(graphe, Tirer(tirage));
        graphe.Sauvegarder(CheminVersOctets(QDir(dossier.path()).filePath(QStringLiteral("t%1.gff").arg(i))));
    }
}

void Singe::PhotographierDossier()
{
    fichiersAvant = FichiersGff(dossier.path());
}

void Singe::Agir()
{
    // Result windows pile up: past a few, the oldest goes, as a user would close it.
    if (const QList<QMdiSubWindow*> sous = Zone(*cadre)->subWindowList(); sous.size() > kFenetresMax) {
        Noter(QStringLiteral("fermeture de « %1 »").arg(sous.constFirst()->windowTitle()));
        sous.constFirst()->close();
        FinirEvenements();
    }
    PhotographierDossier();
    repondant->Vus() = {};
    debutAction = QDateTime::currentDateTime();
    actionEnCours.clear();
    ++actions;
    dernierPas = MaintenantMs();
    using Action = void (Singe::*)();
    static const std::pair<int, Action> kActions[] = {
        {12, &Singe::CliquerVide},
        {12, &Singe::Glisser},
        {4, &Singe::DoubleCliquer},
        {10, &Singe::CliquerDroit},
        {5, &Singe::Bouger},
        {22, &Singe::Commander},
        {4, &Singe::Raccourci},
        {4, &Singe::ChangerDeFenetre},
        {3, &Singe::RetoucherSousFenetre},
        {2, &Singe::Deposer},
        {2, &Singe::FermerFenetresVolantes},
        {2, &Singe::Bricoler},
    };
    int total = 0;
    for (const auto& [poids, action] : kActions)
        total += poids;
    int tirage = hasard.Entier(0, total - 1);
    for (const auto& [poids, action] : kActions) {
        if (tirage < poids) {
            (this->*action)();
            break;
        }
        tirage -= poids;
    }
    AttendreLesReponses();
}

void Singe::Noter(const QString& texte)
{
    if (reglages.bavard)
        std::fprintf(stderr, "%lld %s\n", static_cast<long long>(actions), qPrintable(texte));
    journal.push_back(QStringLiteral("%1 %2").arg(actions).arg(texte));
    if (journal.size() > kJournal)
        journal.pop_front();
}

QString Singe::Echec(const QString& ecart) const
{
    QString texte = QStringLiteral(
                        "%1\ngraine %2, session %3, action n°%4 ; pour rejouer : MONKEY_SEED=%2 "
                        "MONKEY_ACTIONS=%4 MONKEY_SECONDS=100000 MONKEY_VERBOSE=1\nDernières actions :\n")
                        .arg(ecart)
                        .arg(reglages.graine)
                        .arg(sessions)
                        .arg(actions);
    for (const QString& ligne : journal)
        texte += ligne + QLatin1Char('\n');
    return texte;
}

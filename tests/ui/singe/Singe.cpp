#include "Singe.h"

#include "GrapheAleatoire.h"
#include "core/Invariants.h"

#include "Conversions.h"
#include "TApercu.h"
#include "TFenetreGraphe.h"
#include "TGuide.h"
#include "TTrivaldo.h"
#include "TexteCp1252.h"
#include "model/ServicesMuets.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kSommetsMax = 25;
constexpr int kFenetresMax = 8;
constexpr size_t kJournal = 60;

int64_t MaintenantMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QMdiArea* Zone(TTrivaldo& cadre)
{
    return cadre.findChild<QMdiArea*>();
}

QList<TFenetreGraphe*> Fenetres(TTrivaldo& cadre)
{
    QList<TFenetreGraphe*> fenetres;
    for (QMdiSubWindow* sous : Zone(cadre)->subWindowList())
        fenetres << qobject_cast<TFenetreGraphe*>(sous->widget());
    return fenetres;
}

// Every command of the frame: the items of its menus, submenus included,
// and its toolbar buttons.
void AjouterItems(QMenu& menu, QList<QAction*>& items)
{
    emit menu.aboutToShow();  // the window and recent-file lists fill here
    for (QAction* item : menu.actions()) {
        if (item->menu() != nullptr)
            AjouterItems(*item->menu(), items);
        else if (!item->isSeparator())
            items << item;
    }
}

QList<QAction*> Commandes(TTrivaldo& cadre)
{
    QList<QAction*> items;
    for (QAction* menu : cadre.menuBar()->actions())
        AjouterItems(*menu->menu(), items);
    for (QAction* bouton : cadre.findChild<QToolBar*>()->actions()) {
        if (!bouton->isSeparator())
            items << bouton;
    }
    return items;
}

bool EstEnregistrement(const QString& composant)
{
    return composant == QLatin1String("Enregistrer1") || composant == QLatin1String("Enregistrersous1")
        || composant == QLatin1String("bt_Sauver") || composant == QLatin1String("bt_SauverSous");
}

void Mouvement(QWidget& cible, QPoint p, Qt::MouseButtons boutons)
{
    QMouseEvent evenement(QEvent::MouseMove, p, cible.mapToGlobal(p), Qt::NoButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(&cible, &evenement);
}

// The graph as its file holds it, read back by a window that shows nothing.
std::string PhotoRelue(const std::string& chemin)
{
    ServicesMuets muet;
    TGraphe relu(muet);
    relu.Charger(chemin);
    return PhotoGraphe(relu);
}

// The regular ".gff" files under `dossier`, by their bytes; a FIFO, or a
// link to one, would block the reading.
QMap<QString, QByteArray> FichiersGff(const QString& dossier)
{
    QMap<QString, QByteArray> fichiers;
    for (QDirIterator it(dossier, {QStringLiteral("*.gff")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile fichier(it.next());
        if (QFileInfo(fichier).isFile() && fichier.open(QIODevice::ReadOnly))
            fichiers.insert(fichier.fileName(), fichier.readAll());
    }
    return fichiers;
}

void FinirEvenements()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A menu opened from the keyboard (F10) stays open after its action has
// returned: it is answered before the next action, since no real click
// reaches a window past an open menu.
void AttendreLesReponses()
{
    // One still open after that is reported by the checks.
    static_cast<void>(QTest::qWaitFor(
        [] { return QApplication::activePopupWidget() == nullptr && QApplication::activeModalWidget() == nullptr; },
        5000));
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

TFenetreGraphe* Singe::FenetreAuHasard()
{
    const QList<TFenetreGraphe*> fenetres = Fenetres(*cadre);
    if (fenetres.isEmpty())
        return nullptr;
    if (TFenetreGraphe* active = cadre->FenetreActive(); active != nullptr && hasard.Chance(0.8))
        return active;
    return hasard.Parmi(fenetres);
}

QPoint Singe::PointAuHasard(TFenetreGraphe& fenetre)
{
    const TGraphe& graphe = fenetre.Graphe();
    if (graphe.NbSommets() > 0 && hasard.Chance(0.6)) {
        int rang = hasard.Entier(0, graphe.NbSommets() - 1);
        for (const Sommet& s : graphe.Sommets()) {
            if (rang-- == 0)
                return {s.x + hasard.Entier(-9, 9), s.y + hasard.Entier(-9, 9)};
        }
    }
    return {hasard.Entier(0, std::max(0, fenetre.width() - 1)), hasard.Entier(0, std::max(0, fenetre.height() - 1))};
}

QStringList Singe::NomsActifs()
{
    QStringList noms;
    if (cadre == nullptr || cadre->FenetreActive() == nullptr)
        return noms;
    for (const Sommet& s : cadre->FenetreActive()->Graphe().Sommets())
        noms << LireNom(s.nom);
    return noms;
}

void Singe::CliquerVide()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    const bool plein = fenetre->Graphe().NbSommets() >= kSommetsMax;
    Noter(QStringLiteral("clic %1 en (%2, %3)").arg(plein ? "droit" : "gauche").arg(p.x()).arg(p.y()));
    QTest::mouseClick(fenetre, plein ? Qt::RightButton : Qt::LeftButton, {}, p);
}

void Singe::Glisser()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPointer<TFenetreGraphe> garde(fenetre);
    const QPoint depart = PointAuHasard(*fenetre);
    const QPoint arrivee = PointAuHasard(*fenetre);
    Noter(QStringLiteral("glisser de (%1, %2) à (%3, %4)")
              .arg(depart.x())
              .arg(depart.y())
              .arg(arrivee.x())
              .arg(arrivee.y()));
    QTest::mousePress(fenetre, Qt::LeftButton, {}, depart);
    for (int pas = 1; pas <= 4 && garde != nullptr; ++pas)
        Mouvement(*fenetre, depart + (arrivee - depart) * pas / 4, Qt::LeftButton);
    if (garde != nullptr && hasard.Chance(0.1)) {
        Noter(QStringLiteral("  clic droit pendant le glissement"));
        QTest::mouseClick(fenetre, Qt::RightButton, {}, arrivee);
    }
    if (garde != nullptr)
        QTest::mouseRelease(fenetre, Qt::LeftButton, {}, arrivee);
}

void Singe::DoubleCliquer()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    const bool gauche = fenetre->Graphe().NbSommets() < kSommetsMax && hasard.Chance(0.7);
    Noter(QStringLiteral("double clic %1 en (%2, %3)").arg(gauche ? "gauche" : "droit").arg(p.x()).arg(p.y()));
    QTest::mouseDClick(fenetre, gauche ? Qt::LeftButton : Qt::RightButton, {}, p);
}

void Singe::CliquerDroit()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPoint p = PointAuHasard(*fenetre);
    Noter(QStringLiteral("clic droit en (%1, %2)").arg(p.x()).arg(p.y()));
    QTest::mouseClick(fenetre, Qt::RightButton, {}, p);
}

// With no button held, as after "Déplacer ce sommet"; sometimes a left
// click drops the vertex.
void Singe::Bouger()
{
    TFenetreGraphe* fenetre = FenetreAuHasard();
    if (fenetre == nullptr)
        return Commander();
    const QPointer<TFenetreGraphe> garde(fenetre);
    for (int n = hasard.Entier(1, 5); n > 0 && garde != nullptr; --n) {
        const QPoint p(hasard.Entier(-20, fenetre->width() + 20), hasard.Entier(-20, fenetre->height() + 20));
        Noter(QStringLiteral("souris en (%1, %2)").arg(p.x()).arg(p.y()));
        Mouvement(*fenetre, p, Qt::NoButton);
    }
    if (garde != nullptr && hasard.Chance(0.3)) {
        Noter(QStringLiteral("  posé"));
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, fenetre->mapFromGlobal(QCursor::pos()));
    }
}

void Singe::Commander()
{
    const QList<QAction*> commandes = Commandes(*cadre);
    QAction* commande = hasard.Parmi(commandes);
    actionEnCours = commande->objectName();
    Noter(QStringLiteral("commande %1 « %2 »").arg(commande->objectName(), commande->text()));
    commande->trigger();
}

void Singe::Raccourci()
{
    static const QKeyCombination kTouches[] = {Qt::CTRL | Qt::Key_N,           Qt::CTRL | Qt::Key_O,
                                               Qt::CTRL | Qt::Key_S,           Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                                               Qt::CTRL | Qt::Key_F,           Qt::CTRL | Qt::Key_W,
                                               Qt::CTRL | Qt::Key_P,           Qt::CTRL | Qt::Key_Tab,
                                               Qt::CTRL | Qt::Key_D,           Qt::CTRL | Qt::Key_C,
                                               Qt::CTRL | Qt::Key_A,           Qt::CTRL | Qt::Key_E,
                                               QKeyCombination(Qt::Key_F1),    QKeyCombination(Qt::Key_F10),
                                               QKeyCombination(Qt::Key_Escape)};
    const QKeyCombination touche = hasard.Parmi(kTouches);
    Noter(QStringLiteral("touche %1").arg(QKeySequence(touche).toString()));
    if (touche == (Qt::CTRL | Qt::Key_S) || touche == (Qt::CTRL | Qt::SHIFT | Qt::Key_S))
        actionEnCours = QStringLiteral("Enregistrer1");
    QApplication::setActiveWindow(cadre.get());
    QTest::keyClick(cadre.get(), touche.key(), touche.keyboardModifiers());
}

void Singe::ChangerDeFenetre()
{
    const QList<QMdiSubWindow*> sous = Zone(*cadre)->subWindowList();
    if (sous.isEmpty())
        return Commander();
    QMdiSubWindow* choisie = hasard.Parmi(sous);
    Noter(QStringLiteral("fenêtre « %1 » au premier plan").arg(choisie->windowTitle()));
    Zone(*cadre)->setActiveSubWindow(choisie);
}

void Singe::RetoucherSousFenetre()
{
    const QList<QMdiSubWindow*> sous = Zone(*cadre)->subWindowList();
    if (sous.isEmpty())
        return Commander();
    QMdiSubWindow* choisie = hasard.Parmi(sous);
    switch (hasard.Entier(0, 5)) {
    case 0: {
        const QSize taille(hasard.Entier(20, 900), hasard.Entier(20, 700));
        Noter(QStringLiteral("« %1 » en %2 x %3").arg(choisie->windowTitle()).arg(taille.width()).arg(taille.height()));
        choisie->resize(taille);
        break;
    }
    case 1: {
        const QPoint p(hasard.Entier(-200, 800), hasard.Entier(-200, 600));
        Noter(QStringLiteral("« %1 » en (%2, %3)").arg(choisie->windowTitle()).arg(p.x()).arg(p.y()));
        choisie->move(p);
        break;
    }
    case 2:
        Noter(QStringLiteral("« %1 » réduite").arg(choisie->windowTitle()));
        choisie->showMinimized();
        break;
    case 3:
        Noter(QStringLiteral("« %1 » agrandie").arg(choisie->windowTitle()));
        choisie->showMaximized();
        break;
    case 4: {
        const QSize taille(hasard.Entier(150, 1200), hasard.Entier(120, 900));
        Noter(QStringLiteral("cadre en %1 x %2").arg(taille.width()).arg(taille.height()));
        cadre->resize(taille);
        break;
    }
    default:
        Noter(QStringLiteral("case de fermeture de « %1 »").arg(choisie->windowTitle()));
        choisie->close();
    }
}

void Singe::Deposer()
{
    const QDir ici(dossier.path());
    QStringList noms = ici.entryList({QStringLiteral("*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    noms.removeAll(QStringLiteral("reglages"));
    if (noms.isEmpty())
        return Commander();
    QList<QUrl> adresses;
    for (int n = hasard.Entier(1, 3); n > 0; --n)
        adresses << QUrl::fromLocalFile(ici.filePath(hasard.Parmi(noms)));
    Noter(QStringLiteral("dépôt de %1").arg(QUrl::toStringList(adresses).join(QLatin1Char(' '))));
    QMimeData donnees;
    donnees.setUrls(adresses);
    const QPoint centre = cadre->rect().center();
    QDragEnterEvent entree(centre, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cadre.get(), &entree);
    if (!entree.isAccepted())
        return;
    QDropEvent depot(QPointF(centre), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cadre.get(), &depot);
}

// What another program or the user's file manager may do to the folder
// meanwhile: a file deleted, cut short, overwritten with junk, turned into
// a folder, a link or a FIFO.
void Singe::Bricoler()
{
    const QDir ici(dossier.path());
    const QStringList noms = ici.entryList({QStringLiteral("*.gff"), QStringLiteral("*.pdf"), QStringLiteral("*.bmp")},
                                           QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    if (noms.isEmpty())
        return Commander();
    const QString chemin = ici.filePath(hasard.Parmi(noms));
    const QFileInfo info(chemin);
    const int choix = hasard.Entier(0, 5);
    Noter(QStringLiteral("fichier %1 bricolé (%2)").arg(chemin).arg(choix));
    if (info.isDir() && !info.isSymLink())
        QDir(chemin).removeRecursively();
    else
        QFile::remove(chemin);
    switch (choix) {
    case 0:
        break;  // deleted
    case 1:
        ici.mkdir(info.fileName());
        break;
    case 2:
        ::mkfifo(QFile::encodeName(chemin).constData(), 0600);
        break;
    case 3:
        QFile::link(ici.filePath(hasard.Parmi(noms)), chemin);
        break;
    default: {
        QFile fichier(chemin);
        if (fichier.open(QIODevice::WriteOnly)) {
            for (int n = hasard.Entier(0, 200); n > 0; --n)
                fichier.putChar(static_cast<char>(hasard.Entier(0, 255)));
        }
    }
    }
    PhotographierDossier();  // not the program's doing
}

void Singe::FermerFenetresVolantes()
{
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->isVisible() && (qobject_cast<TApercu*>(fenetre) != nullptr || qobject_cast<TGuide*>(fenetre))) {
            Noter(QStringLiteral("fermeture de « %1 »").arg(fenetre->windowTitle()));
            if (hasard.Chance(0.5))
                QTest::keyClick(fenetre, Qt::Key_Escape);
            else
                fenetre->close();
        }
    }
}

QString Singe::Verifier()
{
    QWidget* reste = QApplication::activeModalWidget();
    if (reste == nullptr)
        reste = QApplication::activePopupWidget();
    if (reste != nullptr)
        return QStringLiteral("une fenêtre modale reste ouverte : %1 « %2 »")
            .arg(QLatin1String(reste->metaObject()->className()), reste->windowTitle());
    for (QMdiSubWindow* sous : Zone(*cadre)->subWindowList()) {
        auto* fenetre = qobject_cast<TFenetreGraphe*>(sous->widget());
        if (fenetre == nullptr)
            return QStringLiteral("la sous-fenêtre « %1 » ne montre aucun graphe").arg(sous->windowTitle());
        if (const std::string ecarts = EcartsInvariants(fenetre->Graphe(), true); !ecarts.empty())
            return QStringLiteral("graphe de « %1 » incohérent :\n%2")
                .arg(sous->windowTitle(), QString::fromStdString(ecarts));
    }
    if (QString ecart = VerifierEnregistrements(); !ecart.isEmpty())
        return ecart;
    return VerifierSorties();
}

// A bitmap announced exists and reads as a picture; a print confirmed and
// never refused wrote its PDF.
QString Singe::VerifierSorties()
{
    const Constats& vus = repondant->Vus();
    if (const qsizetype i = vus.titresBoites.indexOf(QStringLiteral("Exportation en BMP")); i >= 0) {
        if (QImage(vus.textesBoites[i]).isNull())
            return QStringLiteral("export annoncé, mais « %1 » n'est pas une image").arg(vus.textesBoites[i]);
    }
    if (vus.pdf.isEmpty() || vus.notices > 0 || vus.refus > 0)
        return {};
    QFile pdf(vus.pdf);
    if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF-")
        || QFileInfo(pdf).lastModified() < debutAction.addSecs(-1))
        return QStringLiteral("impression confirmée, mais « %1 » n'a pas reçu de PDF").arg(vus.pdf);
    return {};
}

// A ".gff" written during the action reads back as the graph of the window
// that bears its name; a save the user saw through (no message, no refusal)
// wrote the active graph.
QString Singe::VerifierEnregistrements()
{
    const QList<TFenetreGraphe*> fenetres = Fenetres(*cadre);
    const QMap<QString, QByteArray> apres = FichiersGff(dossier.path());
    for (auto it = apres.cbegin(); it != apres.cend(); ++it) {
        if (fichiersAvant.contains(it.key()) && fichiersAvant.value(it.key()) == it.value())
            continue;
        // Two windows may bear one name (a file opened twice): the one
        // that wrote it holds what it reads back. A save through a link
        // writes the link's target.
        const QString reel = QFileInfo(it.key()).canonicalFilePath();
        bool porte = false;
        bool relu = false;
        for (TFenetreGraphe* fenetre : fenetres) {
            const std::string& nom = fenetre->Graphe().NomFichier();
            if (QFileInfo(CheminDepuisOctets(nom)).canonicalFilePath() != reel)
                continue;
            porte = true;
            relu = relu || PhotoRelue(nom) == PhotoGraphe(fenetre->Graphe());
        }
        if (!porte)
            return QStringLiteral("%1 écrit, mais aucune fenêtre ne porte ce nom").arg(it.key());
        if (!relu)
            return QStringLiteral("%1 ne relit le graphe d'aucune fenêtre qui porte ce nom :\n%2")
                .arg(it.key(), QString::fromStdString(PhotoRelue(CheminVersOctets(it.key()))));
    }
    const Constats& vus = repondant->Vus();
    TFenetreGraphe* active = cadre->FenetreActive();
    if (!EstEnregistrement(actionEnCours) || active == nullptr || vus.notices > 0 || vus.refus > 0
        || vus.enregistrementsAcceptes < vus.dialoguesEnregistrement)
        return {};
    const std::string& nom = active->Graphe().NomFichier();
    if (nom.empty() || PhotoRelue(nom) != PhotoGraphe(active->Graphe()))
        return QStringLiteral("enregistrement sans message, mais « %1 » ne relit pas le graphe")
            .arg(QString::fromStdString(nom));
    return {};
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

#include "Bureau.h"

#include "../Chrono.h"
#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <cstdlib>

namespace {

// The part a scroll step of the frame's area uncovers.
const QRect kZoneExposee(0, 0, 700, 40);

void Traiter()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

void EnvoyerSouris(QWidget& cible, QEvent::Type type, Qt::MouseButton bouton, QPoint position)
{
    const Qt::MouseButtons boutons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(bouton);
    QMouseEvent evenement(type, position, cible.mapToGlobal(position), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(&cible, &evenement);
}

// The vertex the user would grab: the one nearest the window's corner, in view.
const Sommet& SommetEnVue(const TGraphe& graphe)
{
    const Sommet* choisi = graphe.PremierSommet();
    for (const Sommet& s : graphe.Sommets()) {
        if (std::abs(s.x) + std::abs(s.y) < std::abs(choisi->x) + std::abs(choisi->y))
            choisi = &s;
    }
    return *choisi;
}

// The first move of a drag makes the picture of the window's view that the
// following ones copy from: it is timed on its own, once, and the following
// moves as the drag's steady cost.
void MesurerGlissement(TFenetreGraphe& fenetre, std::map<std::string, double>& temps)
{
    const Sommet& origine = SommetEnVue(fenetre.Graphe());
    const QPoint depart(origine.x, origine.y);
    EnvoyerSouris(fenetre, QEvent::MouseButtonPress, Qt::LeftButton, depart);
    const double debut = TempsProcesseur();
    EnvoyerSouris(fenetre, QEvent::MouseMove, Qt::LeftButton, depart + QPoint(40, 30));
    temps["Bureau : premier pas d'un arc"] = TempsProcesseur() - debut;
    int pas = 0;
    temps["Bureau : glisser un arc"] = Mesurer([&] {
        ++pas;
        EnvoyerSouris(fenetre, QEvent::MouseMove, Qt::LeftButton, depart + QPoint(40 + pas % 50, 30 + pas % 30));
    });
    // A second button abandons the arc, as in the program.
    EnvoyerSouris(fenetre, QEvent::MouseButtonPress, Qt::RightButton, depart);
    EnvoyerSouris(fenetre, QEvent::MouseButtonRelease, Qt::LeftButton, depart);
    Traiter();
}

// The vertex menus a right press at `position` opens, one for each vertex
// there, answered "Déplacer ce sommet" as from the keyboard once they show.
void ChoisirDeplacer(TFenetreGraphe& fenetre, QPoint position)
{
    QTimer attente;
    attente.setInterval(10);
    QObject::connect(&attente, &QTimer::timeout, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        if (auto* deplacer = menu->findChild<QAction*>(QStringLiteral("Deplacer1")))
            menu->setActiveAction(deplacer);
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &entree);
    });
    attente.start();
    EnvoyerSouris(fenetre, QEvent::MouseButtonPress, Qt::RightButton, position);
    EnvoyerSouris(fenetre, QEvent::MouseButtonRelease, Qt::RightButton, position);
}

// One pointer move of a vertex being moved, from its menu: the editing's
// step and the repaint it asks for.
double MesurerDeplacement(TFenetreGraphe& fenetre)
{
    const Sommet& sommet = SommetEnVue(fenetre.Graphe());
    const QPoint depart(sommet.x, sommet.y);
    ChoisirDeplacer(fenetre, depart);
    int pas = 0;
    const double duree = Mesurer([&] {
        ++pas;
        EnvoyerSouris(fenetre, QEvent::MouseMove, Qt::NoButton, depart + QPoint(pas % 40, pas % 25));
    });
    EnvoyerSouris(fenetre, QEvent::MouseMove, Qt::NoButton, depart);
    EnvoyerSouris(fenetre, QEvent::MouseButtonPress, Qt::LeftButton, depart);
    EnvoyerSouris(fenetre, QEvent::MouseButtonRelease, Qt::LeftButton, depart);
    // With several vertices under the pointer, the last one's menu chose the
    // vertex moved, and it may have come from a few pixels away: its step is
    // undone, so that the window closes without asking to save.
    if (fenetre.Modifie())
        fenetre.Annuler();
    Traiter();
    return duree;
}

}  // namespace

std::map<std::string, double> MesurerBureau(const std::string& fichier, const std::string& filtre)
{
    std::map<std::string, double> temps;
    const auto retenue = [&](const std::string& nom) { return nom.find(filtre) != std::string::npos; };
    if (!retenue("Bureau : ouvrir") && !retenue("Bureau : glisser un arc") && !retenue("Bureau : déplacer un sommet")
        && !retenue("Bureau : zone exposée"))
        return temps;
    TTrivaldo cadre;
    cadre.resize(1024, 768);
    cadre.show();
    Traiter();
    auto* zone = cadre.findChild<QMdiArea*>();
    const auto fermer = [&] {
        zone->closeAllSubWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Traiter();
    };
    const auto ouvrir = [&] {
        cadre.OuvrirFichiers({QString::fromStdString(fichier)});
        Traiter();
    };
    if (retenue("Bureau : ouvrir"))
        temps["Bureau : ouvrir"] = Mesurer(ouvrir, fermer);
    fermer();
    ouvrir();
    TFenetreGraphe* fenetre = cadre.FenetreActive();
    if (fenetre == nullptr || fenetre->Graphe().PremierSommet() == nullptr)
        return temps;
    if (retenue("Bureau : glisser un arc"))
        MesurerGlissement(*fenetre, temps);
    if (retenue("Bureau : déplacer un sommet"))
        temps["Bureau : déplacer un sommet"] = MesurerDeplacement(*fenetre);
    if (retenue("Bureau : zone exposée"))
        temps["Bureau : zone exposée"] = Mesurer([&] { fenetre->repaint(kZoneExposee); });
    fermer();
    return temps;
}

#include "TTrivaldo.h"

#include "CommandeProtegee.h"
#include "TFenetreGraphe.h"
#include "TextesCommuns.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMoveEvent>
#include <QPrinter>
#include <QStatusBar>

namespace {
constexpr QSize kTailleCadre(728, 516);
constexpr int kHauteurBarreEtat = 25;
}  // namespace

TTrivaldo::TTrivaldo(QWidget* parent)
    : QMainWindow(parent), imprimante(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("Trivaldo"));
    setWindowTitle(kNomApplication);
    resize(kTailleCadre);
    move(0, 0);

    zone = new QMdiArea(this);
    zone->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zone->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(zone);
    // Files dropped from a file manager open as "Ouvrir" opens them.
    setAcceptDrops(true);

    CreerMenuPrincipal();
    CreerBarreOutils();
    CreerBarreEtat();
    CreerDialoguesFichier();
    // The program starts with one graph window, closed as soon as the frame
    // first shows: the user meets an empty frame.
    CreerFenetreGraphe();
}

TTrivaldo::~TTrivaldo()
{
    // Graph windows go first, while the area that holds them is whole and the
    // frame position they refer to still exists; a window closes its result
    // windows as it goes.
    qDeleteAll(zone->subWindowList());
}

void TTrivaldo::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    if (dejaMontre)
        return;
    dejaMontre = true;
    Fermer1Click();
    FixerTexteEtat(kPret);
}

void TTrivaldo::closeEvent(QCloseEvent* evenement)
{
    if (!FermerToutesLesFenetres()) {
        evenement->ignore();
        return;
    }
    QMainWindow::closeEvent(evenement);
}

void TTrivaldo::moveEvent(QMoveEvent* evenement)
{
    QMainWindow::moveEvent(evenement);
    gauche = x();
    haut = y();
}

void TTrivaldo::CreerBarreEtat()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(kHauteurBarreEtat);
    panneauEtat = new QLabel(statusBar());
    panneauEtat->setObjectName(QStringLiteral("Panneau"));
    statusBar()->addWidget(panneauEtat, 1);
}

void TTrivaldo::FixerTexteEtat(const QString& texte)
{
    panneauEtat->setText(texte);
}

TFenetreGraphe* TTrivaldo::FenetreActive() const
{
    // The current window, not Qt's "active" one: that one is null while a
    // dialog or another application has the focus.
    QMdiSubWindow* sous = zone->currentSubWindow();
    return sous != nullptr ? qobject_cast<TFenetreGraphe*>(sous->widget()) : nullptr;
}

TFenetreGraphe* TTrivaldo::CreerFenetreGraphe()
{
    TFenetreGraphe* fenetre = TFenetreGraphe::Creer(*zone, gauche, haut);
    fenetre->FixerEnregistrement([this](TFenetreGraphe& aEnregistrer) { return Enregistrer(aEnregistrer); });
    LaisserCtrlWAFermer(*fenetre->SousFenetre());
    return fenetre;
}

void TTrivaldo::LaisserCtrlWAFermer(QMdiSubWindow& sous)
{
    // Ctrl+W belongs to "Fermer": shared with a window's own menu, it would
    // do nothing at all. That menu keeps Ctrl+F4.
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    for (QAction* item : sous.systemMenu()->actions()) {
        QList<QKeySequence> raccourcis = item->shortcuts();
        if (raccourcis.removeAll(ctrlW) > 0)
            item->setShortcuts(raccourcis);
    }
}

void TTrivaldo::Executer(Commande commande)
{
    // The algorithms leave numbers, marks and removed arcs in the graph.
    if (TFenetreGraphe* fenetre = FenetreActive())
        ExecuterSurCopie(fenetre->Graphe(), [&] { ExecuterEtMontrer(*fenetre, commande); });
}

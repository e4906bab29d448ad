#include "TTrivaldo.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

namespace {
constexpr int kHauteurBarreOutils = 33;
constexpr int kHauteurBouton = 25;

struct Bouton {
    const char* composant;
    const char* image;  // null for a separator
    int largeur;
    void (TTrivaldo::*gestionnaire)();  // null for a separator
};

const Bouton kBoutons[] = {
    {"bt_Nouveau", "nouveau", 25, &TTrivaldo::Nouveau1Click},
    {"bt_Ouvrir", "ouvrir", 25, &TTrivaldo::Ouvrir1Click},
    {"bt_Sauver", "sauver", 25, &TTrivaldo::Enregistrer1Click},
    {"bt_SauverSous", "sauversous", 30, &TTrivaldo::Enregistrersous1Click},
    {"ToolButton1", nullptr, 29, nullptr},
    {"bt_Apercu", "apercu", 25, &TTrivaldo::bt_ApercuClick},
    {"bt_Imprimer", "imprimer", 25, &TTrivaldo::bt_ImprimerClick},
    {"bt_rapport", "rapport", 25, &TTrivaldo::bt_rapportClick},
    {"bt_Dessin", "dessin", 24, &TTrivaldo::bt_DessinClick},
    {"ToolButton2", nullptr, 24, nullptr},
    {"bt_3D", "cube3d", 25, &TTrivaldo::bt_3DClick},
    {"bt_credits", "aide", 25, &TTrivaldo::Aide1Click},
};
}  // namespace

QMenu* TTrivaldo::AjouterMenu(QMenu* parent, const char* composant, const QString& titre)
{
    QMenu* menu = parent != nullptr ? parent->addMenu(titre) : menuBar()->addMenu(titre);
    menu->setObjectName(QLatin1String(composant));
    return menu;
}

QAction* TTrivaldo::AjouterItem(QMenu* menu, const char* composant, const QString& texte, const QKeySequence& raccourci,
                                std::function<void()> gestionnaire)
{
    QAction* item = menu->addAction(texte);
    item->setObjectName(QLatin1String(composant));
    item->setShortcut(raccourci);
    if (gestionnaire)
        connect(item, &QAction::triggered, this, std::move(gestionnaire));
    return item;
}

void TTrivaldo::CreerMenuPrincipal()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    const auto executer = [this](Commande commande) { return [this, commande] { Executer(commande); }; };
    const auto lier = [this](void (TTrivaldo::*gestionnaire)()) {
        return [this, gestionnaire] { (this->*gestionnaire)(); };
    };
    const QKeySequence aucun;
    const auto ctrl = [](char lettre) { return QKeySequence(QStringLiteral("Ctrl+%1").arg(QLatin1Char(lettre))); };

    QMenu* fichier = AjouterMenu(nullptr, "Fichier1", QStringLiteral("Fichier"));
    AjouterItem(fichier, "Nouveau1", QStringLiteral("Nouveau"), ctrl('N'), lier(&TTrivaldo::Nouveau1Click));
    AjouterItem(fichier, "Ouvrir1", QStringLiteral("Ouvrir"), ctrl('O'), lier(&TTrivaldo::Ouvrir1Click));
    AjouterItem(fichier, "Enregistrer1", QStringLiteral("Enregistrer"), ctrl('S'), lier(&TTrivaldo::Enregistrer1Click));
    AjouterItem(fichier, "Enregistrersous1", QStringLiteral("Enregistrer sous"), aucun,
                lier(&TTrivaldo::Enregistrersous1Click));
    AjouterItem(fichier, "ExporterenHTML1", QStringLiteral("Exporter en HTML"), aucun,
                lier(&TTrivaldo::bt_rapportClick));
    AjouterItem(fichier, "ExporterenBMP1", QStringLiteral("Exporter en BMP"), aucun,
                lier(&TTrivaldo::ExporterenBMP1Click));
    AjouterItem(fichier, "Fermer1", QStringLiteral("Fermer"), ctrl('F'), lier(&TTrivaldo::Fermer1Click));
    AjouterItem(fichier, "Toutfermer1", QStringLiteral("Tout fermer"), aucun, lier(&TTrivaldo::Toutfermer1Click));
    AjouterItem(fichier, "Quitter1", QStringLiteral("Quitter"), ctrl('Q'), lier(&TTrivaldo::Quitter1Click));

    // Ctrl+N belongs to "Nouveau": here it is only shown, since two actions
    // sharing a shortcut would leave Qt firing neither.
    QMenu* manipulation = AjouterMenu(nullptr, "Manipulation1", QStringLiteral("Manipulation"));
    AjouterItem(manipulation, "Numrotationtopologique1", QStringLiteral("Numérotation topologique\tCtrl+N"), aucun,
                executer(Commande::NumerotationTopologique));

    QMenu* traitement = AjouterMenu(nullptr, "Algorithmes1", QStringLiteral("Traitement"));
    AjouterItem(traitement, "Dijkstra1", QStringLiteral("Dijkstra"), ctrl('D'), executer(Commande::Dijkstra));
    QMenu* bellman = AjouterMenu(traitement, "Bellman1", QStringLiteral("Bellman"));
    AjouterItem(bellman, "min2", QStringLiteral("min"), aucun, executer(Commande::BellmanMin));
    AjouterItem(bellman, "max2", QStringLiteral("max"), aucun, executer(Commande::BellmanMax));
    QMenu* ford = AjouterMenu(traitement, "Ford1", QStringLiteral("Ford"));
    AjouterItem(ford, "min3", QStringLiteral("min"), aucun, executer(Commande::FordMin));
    AjouterItem(ford, "max3", QStringLiteral("max"), aucun, executer(Commande::FordMax));
    QMenu* kruskal1 = AjouterMenu(traitement, "Kruskaln11", QStringLiteral("Kruskal n°1"));
    AjouterItem(kruskal1, "min1", QStringLiteral("min"), aucun, executer(Commande::Kruskal1Min));
    AjouterItem(kruskal1, "max", QStringLiteral("max"), aucun, executer(Commande::Kruskal1Max));
    QMenu* kruskal2 = AjouterMenu(traitement, "Kruskaln2", QStringLiteral("Kruskal n°2 (le retour)"));
    AjouterItem(kruskal2, "min4", QStringLiteral("min"), aucun, executer(Commande::Kruskal2Min));
    AjouterItem(kruskal2, "max1", QStringLiteral("max"), aucun, executer(Commande::Kruskal2Max));
    // Prim is listed but not offered: its items do nothing.
    QMenu* prim = AjouterMenu(traitement, "Prim1", QStringLiteral("Prim"));
    AjouterItem(prim, "min5", QStringLiteral("min"), aucun, {});
    AjouterItem(prim, "max4", QStringLiteral("max"), aucun, {});

    QMenu* detection = AjouterMenu(nullptr, "Dtection1", QStringLiteral("Détection"));
    AjouterItem(detection, "Connexit2", QStringLiteral("Connexité"), ctrl('C'), executer(Commande::Connexite));
    AjouterItem(detection, "Forteconnexit1", QStringLiteral("Forte connexité"), aucun,
                executer(Commande::ForteConnexite));
    AjouterItem(detection, "Arbre1", QStringLiteral("Arbre"), ctrl('A'), executer(Commande::Arbre));
    AjouterItem(detection, "Arboresence1", QStringLiteral("Arboresence"), aucun, executer(Commande::Arborescence));
    AjouterItem(detection, "Dtectiondecircuit1", QStringLiteral("Circuit"), aucun, executer(Commande::Circuit));
    AjouterItem(detection, "Eulrien1", QStringLiteral("Eulérien"), ctrl('E'), executer(Commande::Eulerien));

    QMenu* aide = AjouterMenu(nullptr, "N1", QStringLiteral("?"));
    AjouterItem(aide, "Aide1", QStringLiteral("Aide"), aucun, lier(&TTrivaldo::Aide1Click));
    AjouterItem(aide, "Crdits1", QStringLiteral("Crédits"), aucun, lier(&TTrivaldo::Crdits1Click));
}

void TTrivaldo::CreerBarreOutils()
{
    QToolBar* barre = addToolBar(QString());
    barre->setObjectName(QStringLiteral("ToolBar1"));
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setFixedHeight(kHauteurBarreOutils);
    barre->toggleViewAction()->setVisible(false);
    for (const Bouton& bouton : kBoutons) {
        // An image alone: no text, so no tool tip either.
        QAction* action = bouton.image == nullptr
                            ? barre->addSeparator()
                            : barre->addAction(
                                QIcon(QStringLiteral(":/icones/%1.png").arg(QLatin1String(bouton.image))), QString());
        action->setObjectName(QLatin1String(bouton.composant));
        barre->widgetForAction(action)->setFixedSize(bouton.largeur, kHauteurBouton);
        if (bouton.gestionnaire != nullptr)
            connect(action, &QAction::triggered, this, bouton.gestionnaire);
    }
}

#include "TTrivaldo.h"

#include "CommandeProtegee.h"
#include "TextesCommuns.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

namespace {
constexpr int kHauteurBarreOutils = 33;
constexpr int kHauteurBouton = 25;

struct Bouton {
    const char* composant;
    const char* image;      // null for a separator
    const char* nom;        // the command, for the tool tip and screen readers
    const char* raccourci;  // empty when it has none
    int largeur;
    void (TTrivaldo::*gestionnaire)();  // null for a separator
};

const Bouton kBoutons[] = {
    {"bt_Nouveau", "nouveau", "Nouveau", "Ctrl+N", 25, &TTrivaldo::Nouveau1Click},
    {"bt_Ouvrir", "ouvrir", "Ouvrir", "Ctrl+O", 25, &TTrivaldo::Ouvrir1Click},
    {"bt_Sauver", "sauver", "Enregistrer", "Ctrl+S", 25, &TTrivaldo::Enregistrer1Click},
    {"bt_SauverSous", "sauversous", "Enregistrer sous", "Ctrl+Shift+S", 30, &TTrivaldo::Enregistrersous1Click},
    {"ToolButton1", nullptr, nullptr, "", 29, nullptr},
    {"bt_Apercu", "apercu", "Aperçu avant impression", "", 25, &TTrivaldo::bt_ApercuClick},
    {"bt_Imprimer", "imprimer", "Imprimer", "Ctrl+P", 25, &TTrivaldo::bt_ImprimerClick},
    {"bt_rapport", "rapport", "Exporter en HTML", "", 25, &TTrivaldo::bt_rapportClick},
    {"bt_Dessin", "dessin", "Exporter en BMP", "", 24, &TTrivaldo::bt_DessinClick},
    {"ToolButton2", nullptr, nullptr, "", 24, nullptr},
    {"bt_3D", "cube3d", "Vue en 3D", "", 25, &TTrivaldo::bt_3DClick},
    {"bt_credits", "aide", "Aide", "", 25, &TTrivaldo::Aide1Click},
};
// The toolbar image, drawn at twice the size as well for high-density screens.
QIcon Icone(const char* image)
{
    QIcon icone;
    icone.addFile(QStringLiteral(":/icones/%1.png").arg(QLatin1String(image)));
    icone.addFile(QStringLiteral(":/icones/%1@2x.png").arg(QLatin1String(image)));
    return icone;
}

// The command as the user names it: its item without the accelerator mark
// or the shortcut, after its submenu's title ("Bellman (max)").
QString NomCommande(const QMenu* menu, const QString& texte)
{
    const auto sansMarques = [](const QString& t) {
        return t.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    };
    if (qobject_cast<const QMenu*>(menu->parentWidget()) == nullptr)
        return sansMarques(texte);
    return QStringLiteral("%1 (%2)").arg(sansMarques(menu->title()), sansMarques(texte));
}
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
        connect(item, &QAction::triggered, this,
                [this, nom = NomCommande(menu, texte), commande = std::move(gestionnaire)] {
                    // A command given up leaves no stale state in the bar.
                    if (!ExecuterProtege(nom, commande))
                        FixerTexteEtat(kPret);
                });
    return item;
}

void TTrivaldo::CreerMenuPrincipal()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    // F10 opens the first menu, as in the other desktop programs.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    const auto executer = [this](Commande commande) { return [this, commande] { Executer(commande); }; };
    const auto lier = [this](void (TTrivaldo::*gestionnaire)()) {
        return [this, gestionnaire] { (this->*gestionnaire)(); };
    };
    const QKeySequence aucun;
    const auto ctrl = [](char lettre) { return QKeySequence(QStringLiteral("Ctrl+%1").arg(QLatin1Char(lettre))); };

    QMenu* fichier = AjouterMenu(nullptr, "Fichier1", QStringLiteral("&Fichier"));
    AjouterItem(fichier, "Nouveau1", QStringLiteral("&Nouveau"), ctrl('N'), lier(&TTrivaldo::Nouveau1Click));
    AjouterItem(fichier, "Ouvrir1", QStringLiteral("&Ouvrir"), ctrl('O'), lier(&TTrivaldo::Ouvrir1Click));
    AjouterItem(fichier, "Enregistrer1", QStringLiteral("&Enregistrer"), ctrl('S'),
                lier(&TTrivaldo::Enregistrer1Click));
    AjouterItem(fichier, "Enregistrersous1", QStringLiteral("Enregistrer &sous"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), lier(&TTrivaldo::Enregistrersous1Click));
    AjouterItem(fichier, "ExporterenHTML1", QStringLiteral("Exporter en &HTML"), aucun,
                lier(&TTrivaldo::bt_rapportClick));
    AjouterItem(fichier, "ExporterenBMP1", QStringLiteral("Exporter en &BMP"), aucun,
                lier(&TTrivaldo::ExporterenBMP1Click));
    AjouterItem(fichier, "Exportersous1", QStringLiteral("Exporter so&us..."), aucun,
                lier(&TTrivaldo::Exportersous1Click));
    AjouterItem(fichier, "Fermer1", QStringLiteral("&Fermer"), ctrl('F'), lier(&TTrivaldo::Fermer1Click))
        ->setShortcuts({ctrl('F'), ctrl('W')});
    AjouterItem(fichier, "Toutfermer1", QStringLiteral("&Tout fermer"), aucun, lier(&TTrivaldo::Toutfermer1Click));
    menuRecents = AjouterMenu(fichier, "Fichiersrcents1", QStringLiteral("Fichiers &récents"));
    ListerRecents();
    fichier->addSeparator();
    AjouterItem(fichier, "Quitter1", QStringLiteral("&Quitter"), ctrl('Q'), lier(&TTrivaldo::Quitter1Click));

    CreerMenuEdition();

    // Ctrl+N belongs to "Nouveau": here it is only shown, since two actions
    // sharing a shortcut would leave Qt firing neither.
    QMenu* manipulation = AjouterMenu(nullptr, "Manipulation1", QStringLiteral("&Manipulation"));
    AjouterItem(manipulation, "Numrotationtopologique1", QStringLiteral("&Numérotation topologique\tCtrl+N"), aucun,
                executer(Commande::NumerotationTopologique));

    QMenu* traitement = AjouterMenu(nullptr, "Algorithmes1", QStringLiteral("&Traitement"));
    AjouterItem(traitement, "Dijkstra1", QStringLiteral("&Dijkstra"), ctrl('D'), executer(Commande::Dijkstra));
    QMenu* bellman = AjouterMenu(traitement, "Bellman1", QStringLiteral("&Bellman"));
    AjouterItem(bellman, "min2", QStringLiteral("m&in"), aucun, executer(Commande::BellmanMin));
    AjouterItem(bellman, "max2", QStringLiteral("m&ax"), aucun, executer(Commande::BellmanMax));
    QMenu* ford = AjouterMenu(traitement, "Ford1", QStringLiteral("&Ford"));
    AjouterItem(ford, "min3", QStringLiteral("m&in"), aucun, executer(Commande::FordMin));
    AjouterItem(ford, "max3", QStringLiteral("m&ax"), aucun, executer(Commande::FordMax));
    QMenu* kruskal1 = AjouterMenu(traitement, "Kruskaln11", QStringLiteral("&Kruskal n°1"));
    AjouterItem(kruskal1, "min1", QStringLiteral("m&in"), aucun, executer(Commande::Kruskal1Min));
    AjouterItem(kruskal1, "max", QStringLiteral("m&ax"), aucun, executer(Commande::Kruskal1Max));
    QMenu* kruskal2 = AjouterMenu(traitement, "Kruskaln2", QStringLiteral("K&ruskal n°2 (le retour)"));
    AjouterItem(kruskal2, "min4", QStringLiteral("m&in"), aucun, executer(Commande::Kruskal2Min));
    AjouterItem(kruskal2, "max1", QStringLiteral("m&ax"), aucun, executer(Commande::Kruskal2Max));
    // Prim is listed but not offered: its items do nothing.
    QMenu* prim = AjouterMenu(traitement, "Prim1", QStringLiteral("&Prim"));
    AjouterItem(prim, "min5", QStringLiteral("m&in"), aucun, {});
    AjouterItem(prim, "max4", QStringLiteral("m&ax"), aucun, {});
    traitement->addSeparator();
    CreerItemDeroulement(traitement);

    QMenu* detection = AjouterMenu(nullptr, "Dtection1", QStringLiteral("&Détection"));
    AjouterItem(detection, "Connexit2", QStringLiteral("&Connexité"), ctrl('C'), executer(Commande::Connexite));
    AjouterItem(detection, "Forteconnexit1", QStringLiteral("&Forte connexité"), aucun,
                executer(Commande::ForteConnexite));
    AjouterItem(detection, "Arbre1", QStringLiteral("&Arbre"), ctrl('A'), executer(Commande::Arbre));
    AjouterItem(detection, "Arboresence1", QStringLiteral("A&rboresence"), aucun, executer(Commande::Arborescence));
    AjouterItem(detection, "Dtectiondecircuit1", QStringLiteral("C&ircuit"), aucun, executer(Commande::Circuit));
    AjouterItem(detection, "Eulrien1", QStringLiteral("&Eulérien"), ctrl('E'), executer(Commande::Eulerien));

    CreerMenuFenetres();

    QMenu* aide = AjouterMenu(nullptr, "N1", QStringLiteral("&?"));
    AjouterItem(aide, "Aide1", QStringLiteral("&Aide"), aucun, lier(&TTrivaldo::Aide1Click));
    AjouterItem(aide, "Guide1", QStringLiteral("&Guide de l'utilisateur"), QKeySequence(Qt::Key_F1),
                lier(&TTrivaldo::Guide1Click));
    AjouterItem(aide, "Crdits1", QStringLiteral("&Crédits"), aucun, lier(&TTrivaldo::Crdits1Click));
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
        if (bouton.image == nullptr) {
            QAction* separateur = barre->addSeparator();
            separateur->setObjectName(QLatin1String(bouton.composant));
            barre->widgetForAction(separateur)->setFixedSize(bouton.largeur, kHauteurBouton);
            continue;
        }
        QAction* action = barre->addAction(Icone(bouton.image), QString::fromUtf8(bouton.nom));
        action->setObjectName(QLatin1String(bouton.composant));
        // The menus hold the other shortcuts; printing has no menu item.
        const QKeySequence raccourci(QLatin1String(bouton.raccourci));
        if (action->objectName() == QLatin1String("bt_Imprimer"))
            action->setShortcut(raccourci);
        action->setToolTip(raccourci.isEmpty() ? action->text()
                                               : QStringLiteral("%1 (%2)").arg(
                                                   action->text(), raccourci.toString(QKeySequence::NativeText)));
        QWidget* widget = barre->widgetForAction(action);
        widget->setFixedSize(bouton.largeur, kHauteurBouton);
        widget->setAccessibleName(action->text());
        connect(action, &QAction::triggered, this, [this, nom = action->text(), gestionnaire = bouton.gestionnaire] {
            if (!ExecuterProtege(nom, [this, gestionnaire] { (this->*gestionnaire)(); }))
                FixerTexteEtat(kPret);
        });
    }
}

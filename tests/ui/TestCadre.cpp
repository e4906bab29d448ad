#include "Repondeur.h"

#include "TFenetreGraphe.h"
#include "TTrivaldo.h"
#include "Traductions.h"
#include "algorithms/Kruskal.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {
QMdiArea* Zone(TTrivaldo& cadre)
{
    return cadre.findChild<QMdiArea*>();
}

QString TexteEtat(TTrivaldo& cadre)
{
    return cadre.findChild<QLabel*>(QStringLiteral("Panneau"))->text();
}

QAction* Action(TTrivaldo& cadre, const char* composant)
{
    return cadre.findChild<QAction*>(QLatin1String(composant));
}

// Windows closed during a command go once the event is over.
void FinirEvenement()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Repondeur::Reponse ChoisirFichier(const QString& chemin)
{
    return [chemin](QWidget* dialogue) {
        auto* fichiers = qobject_cast<QFileDialog*>(dialogue);
        if (fichiers == nullptr) {
            dialogue->close();
            return;
        }
        // Typed as a user would: selectFile() waits for the directory listing.
        auto* champ = fichiers->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (champ == nullptr) {
            dialogue->close();
            return;
        }
        champ->setText(chemin);
        static_cast<QDialog*>(fichiers)->accept();  // QFileDialog::accept, protected there
    };
}
}  // namespace

class TestCadre : public QObject {
    Q_OBJECT

    std::unique_ptr<TTrivaldo> cadre;
    QTemporaryDir dossier;

    // A frame as the user first sees it.
    void Demarrer()
    {
        cadre = std::make_unique<TTrivaldo>();
        cadre->show();
        QVERIFY(QTest::qWaitForWindowExposed(cadre.get()));
        FinirEvenement();
    }
    TFenetreGraphe* Nouveau(bool oriente)
    {
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(oriente ? QMessageBox::Yes : QMessageBox::No));
        Action(*cadre, "Nouveau1")->trigger();
        return cadre->FenetreActive();
    }
    QString Chemin(const char* nom) const { return dossier.filePath(QLatin1String(nom)); }

private slots:
    void init() { Demarrer(); }
    void cleanup() { cadre.reset(); }

    void Demarrage_aucuneFenetreEtPret()
    {
        QVERIFY(Zone(*cadre)->subWindowList().isEmpty());
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
        QCOMPARE(cadre->windowTitle(), QStringLiteral("Quorvalent"));
        QCOMPARE(cadre->size(), QSize(728, 516));
    }

    void Menus_composantsTextesEtRaccourcis()
    {
        struct Item {
            const char* composant;
            const char* texte;
            const char* raccourci;
        };
        const Item items[] = {
            {"Nouveau1", "Nouveau", "Ctrl+N"},
            {"Ouvrir1", "Ouvrir", "Ctrl+O"},
            {"Enregistrer1", "Enregistrer", "Ctrl+S"},
            {"Enregistrersous1", "Enregistrer sous", ""},
            {"Fermer1", "Fermer", "Ctrl+F"},
            {"Quitter1", "Quitter", "Ctrl+Q"},
            {"Numrotationtopologique1", "Numérotation topologique\tCtrl+N", ""},
            {"Dijkstra1", "Dijkstra", "Ctrl+D"},
            {"max", "max", ""},
            {"min4", "min", ""},
            {"Connexit2", "Connexité", "Ctrl+C"},
            {"Arboresence1", "Arboresence", ""},
            {"Eulrien1", "Eulérien", "Ctrl+E"},
            {"Crdits1", "Crédits", ""},
        };
        for (const Item& item : items) {
            QAction* action = Action(*cadre, item.composant);
            QVERIFY2(action != nullptr, item.composant);
            QCOMPARE(action->text(), QString::fromUtf8(item.texte));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromUtf8(item.raccourci)));
        }
        QCOMPARE(cadre->findChild<QMenu*>(QStringLiteral("Kruskaln2"))->title(),
                 QStringLiteral("Kruskal n°2 (le retour)"));
        QCOMPARE(cadre->findChild<QMenu*>(QStringLiteral("Dtection1"))->title(), QStringLiteral("Détection"));
        auto* barre = cadre->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QCOMPARE(barre->actions().size(), 12);
        QVERIFY(barre->actions().at(4)->isSeparator());
        QVERIFY(barre->actions().at(9)->isSeparator());
        QList<QImage> images;
        for (QAction* bouton : barre->actions()) {
            if (bouton->isSeparator())
                continue;
            QVERIFY(bouton->text().isEmpty() && bouton->toolTip().isEmpty());
            QVERIFY(!bouton->icon().isNull());
            const QImage image = bouton->icon().pixmap(20, 20).toImage();
            QVERIFY2(!images.contains(image), qPrintable(bouton->objectName()));
            images << image;
        }
        QCOMPARE(images.size(), 10);
        QCOMPARE(barre->actions().last()->objectName(), QStringLiteral("bt_credits"));
    }

    void CtrlN_lanceNouveauJamaisLaNumerotation()
    {
        QApplication::setActiveWindow(cadre.get());
        QVERIFY(QTest::qWaitForWindowActive(cadre.get()));
        QSignalSpy numerotation(Action(*cadre, "Numrotationtopologique1"), &QAction::triggered);
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        QTest::keyClick(cadre.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 1);
        QVERIFY(cadre->FenetreActive()->Graphe().Oriente());
        QCOMPARE(numerotation.count(), 0);
    }

    void Nouveau_questionPendantLaCreationEtNonDonneUnGrapheNonOriente()
    {
        Repondeur repondeur;
        QString etatPendant;
        QString titreFenetre;
        repondeur.Puis([&](QWidget* dialogue) {
            etatPendant = TexteEtat(*cadre);
            titreFenetre = cadre->FenetreActive() ? cadre->FenetreActive()->SousFenetre()->windowTitle() : QString();
            auto* boite = qobject_cast<QMessageBox*>(dialogue);
            QVERIFY(boite != nullptr);
            QCOMPARE(boite->text(), QStringLiteral("Voulez-vous créer un graphe orienté?"));
            QCOMPARE(boite->windowTitle(), QStringLiteral("Question"));
            QCOMPARE(boite->icon(), QMessageBox::NoIcon);
            boite->button(QMessageBox::No)->click();
        });
        Action(*cadre, "Nouveau1")->trigger();
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(etatPendant, QStringLiteral("Création d'un nouveau graphe."));
        QCOMPARE(titreFenetre, QStringLiteral("Graphe"));
        QVERIFY(!cadre->FenetreActive()->Graphe().Oriente());
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
    }

    void EnregistrerSous_ajouteGffSaufSiLeNomLeContientDeja_data()
    {
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QString>("enregistre");
        QTest::newRow("sans extension") << "graphe"
                                        << "graphe.gff";
        QTest::newRow("majuscules") << "graphe.GFF"
                                    << "graphe.GFF.gff";
        QTest::newRow("au milieu") << "a.gffb"
                                   << "a.gffb";
    }
    void EnregistrerSous_ajouteGffSaufSiLeNomLeContientDeja()
    {
        QFETCH(QString, choisi);
        QFETCH(QString, enregistre);
        TFenetreGraphe* fenetre = Nouveau(true);
        fenetre->Graphe().AjouterSommet("A", 10, 20);
        Repondeur repondeur;
        repondeur.Puis(ChoisirFichier(dossier.filePath(choisi)));
        Action(*cadre, "Enregistrersous1")->trigger();
        const QString attendu = dossier.filePath(enregistre);
        QVERIFY(QFileInfo(attendu).isFile());
        QCOMPARE(QString::fromStdString(fenetre->Graphe().NomFichier()), attendu);
        QCOMPARE(fenetre->SousFenetre()->windowTitle(), attendu);
    }

    void EnregistrerSous_nomCompleteExistant_demandeAvantDeRemplacer()
    {
        TFenetreGraphe* fenetre = Nouveau(true);
        const QString existant = Chemin("g.gff");
        QFile fichier(existant);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("a garder");
        fichier.close();

        Repondeur repondeur;
        QString question;
        repondeur.Puis(ChoisirFichier(Chemin("g")));
        repondeur.Puis([&](QWidget* dialogue) {
            question = qobject_cast<QMessageBox*>(dialogue) ? qobject_cast<QMessageBox*>(dialogue)->text() : QString();
            CliquerBouton(QMessageBox::No)(dialogue);
        });
        Action(*cadre, "Enregistrersous1")->trigger();
        QCOMPARE(question, QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?").arg(existant));
        QCOMPARE(QFileInfo(existant).size(), 8);
        QCOMPARE(fenetre->Graphe().NomFichier(), std::string());
        QCOMPARE(fenetre->SousFenetre()->windowTitle(), QStringLiteral("Graphe"));

        repondeur.Puis(ChoisirFichier(Chemin("g")));
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        Action(*cadre, "Enregistrersous1")->trigger();
        QCOMPARE(QFileInfo(existant).size(), 107);
    }

    void Enregistrer_ecritSansDialogue_maisDemandeUnNomSiLeFichierAEteSupprime()
    {
        TFenetreGraphe* fenetre = Nouveau(true);
        const QString chemin = Chemin("g.gff");
        fenetre->Graphe().FixerNomFichier(chemin.toStdString());
        QFile(chemin).open(QIODevice::WriteOnly);

        Repondeur repondeur;
        Action(*cadre, "Enregistrer1")->trigger();
        QCOMPARE(repondeur.Vus(), 0);
        QCOMPARE(QFileInfo(chemin).size(), 107);

        QFile::remove(chemin);
        bool dialogueEnregistrer = false;
        repondeur.Puis([&](QWidget* dialogue) {
            dialogueEnregistrer = dialogue->objectName() == QStringLiteral("SaveDialog1");
            dialogue->close();
        });
        Action(*cadre, "bt_Sauver")->trigger();
        QVERIFY(dialogueEnregistrer);
        QVERIFY(!QFileInfo::exists(chemin));
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
    }

    void Ouvrir_fichierIllisible_laisseUneFenetreVideNommeeGraphe()
    {
        const QString chemin = Chemin("pas-un-graphe.gff");
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("pas un graphe du tout");
        fichier.close();

        Repondeur repondeur;
        QString titreMessage;
        repondeur.Puis(ChoisirFichier(chemin));
        repondeur.Puis([&](QWidget* dialogue) {
            titreMessage = dialogue->windowTitle();
            dialogue->close();
        });
        Action(*cadre, "Ouvrir1")->trigger();
        QCOMPARE(titreMessage, QStringLiteral("Format incompatible"));
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 1);
        QCOMPARE(cadre->FenetreActive()->SousFenetre()->windowTitle(), QStringLiteral("Graphe"));
        QCOMPARE(cadre->FenetreActive()->Graphe().NbSommets(), 0);
    }

    void Ouvrir_prendLeNomEnregistreDansLeFichierEtSAjusteAuxSommets()
    {
        const QString ancien = Chemin("ancien.gff");
        const QString copie = Chemin("copie.gff");
        TFenetreGraphe* source = Nouveau(true);
        source->Graphe().AjouterSommet("A", 300, 200);
        source->Graphe().FixerNomFichier(ancien.toStdString());
        source->Graphe().Sauvegarder(copie.toStdString());

        Repondeur repondeur;
        repondeur.Puis(ChoisirFichier(copie));
        Action(*cadre, "bt_Ouvrir")->trigger();
        TFenetreGraphe* ouverte = cadre->FenetreActive();
        QVERIFY(ouverte != source);
        QCOMPARE(ouverte->SousFenetre()->windowTitle(), ancien);
        QCOMPARE(ouverte->size(), QSize(350, 250));
        QCOMPARE(ouverte->Graphe().NbSommets(), 1);
    }

    void ToutFermer_fermeChaqueFenetre()
    {
        Nouveau(true);
        Nouveau(false);
        Nouveau(true);
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 3);
        Action(*cadre, "Toutfermer1")->trigger();
        FinirEvenement();
        QVERIFY(Zone(*cadre)->subWindowList().isEmpty());
        Action(*cadre, "Toutfermer1")->trigger();
        Action(*cadre, "Fermer1")->trigger();
    }

    void FenetreResultat_fermeAvecSaSource()
    {
        TFenetreGraphe* source = Nouveau(true);
        Nouveau(true);
        TGraphe& chemin = source->CreerFenetreResultat();
        chemin.AjouterSommet("A", 1, 1);
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 3);
        QCOMPARE(&cadre->FenetreActive()->Graphe(), &chemin);
        source->SousFenetre()->close();
        FinirEvenement();
        FinirEvenement();
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 1);
    }

    // The tree window opens beside its source when it fits there whole;
    // else inside the area, below the source's top, its title bar in view.
    // Fitted again later, it stays where the user put it.
    void FenetreResultat_dansLaZoneVisible_data()
    {
        QTest::addColumn<bool>("aDroite");
        QTest::addColumn<int>("etendue");
        QTest::addColumn<bool>("aCote");
        QTest::newRow("à côté") << false << 150 << true;
        QTest::newRow("trop large pour le côté") << false << 450 << false;
        QTest::newRow("au bord droit") << true << 150 << false;
        QTest::newRow("plus grande que la zone") << true << 2000 << false;
    }
    void FenetreResultat_dansLaZoneVisible()
    {
        QFETCH(bool, aDroite);
        QFETCH(int, etendue);
        QFETCH(bool, aCote);
        TFenetreGraphe* source = Nouveau(true);
        source->Graphe().AjouterSommet("A", 20, 20);
        source->Graphe().AjouterSommet("B", etendue, etendue);
        source->Graphe().AjouterArc("A", "B", 3);
        source->FixerTailleClient(200, 150);
        const QRect zone = Zone(*cadre)->viewport()->rect();
        QMdiSubWindow* sousSource = source->SousFenetre();
        sousSource->move(aDroite ? zone.right() + 1 - sousSource->width() : 0, 10);
        Kruskal1(source->Graphe());
        TFenetreGraphe* arbre = cadre->FenetreActive();
        QVERIFY(arbre != source);
        QCOMPARE(arbre->Graphe().NbSommets(), 2);
        const QRect place = arbre->SousFenetre()->geometry();
        if (aCote)
            QCOMPARE(place.topLeft(), sousSource->geometry().topRight() + QPoint(1, 0));
        else
            QVERIFY(place.top() > sousSource->y() || place.top() == 0);
        QVERIFY(zone.contains(place.topLeft()));
        QVERIFY(place.width() > zone.width() || place.right() <= zone.right());
        QVERIFY(place.height() > zone.height() || place.bottom() <= zone.bottom());

        QTest::qWait(1);
        arbre->SousFenetre()->move(5, 6);
        arbre->Graphe().AjusterFenetre();
        QCOMPARE(arbre->SousFenetre()->pos(), QPoint(5, 6));
    }

    void Destruction_avecDesFenetresResultatOuvertes()
    {
        TFenetreGraphe* source = Nouveau(true);
        source->CreerFenetreResultat();
        Nouveau(false)->CreerFenetreResultat().AjouterSommet("A", 1, 1);
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 4);
        cadre.reset();
    }

    void Aide_parLeMenuEtParLeDernierBouton()
    {
        const QString texte = QStringLiteral(
            "Cette Quorvalent a été crée pour une utilisation ergonomique :\n\n"
            "   - pour créer un sommet il suffit de cliquer avec le bouton gauche dans un graphe où il n'y a pas de sommet.\n"
            "   - pour supprimer, déplacer, avoir des informations sur un graphe : cliquer avec le bouton droit sur un sommet.\n"
            "   - pour supprimer un arc : cliquer avec le bouton droit sur le sommet d'où l'arc part.\n"
            "   - pour utiliser un algorithme de traitement d'arc : utiliser le menu  principal.\n"
            "   - pour avoir des informations sur le graphe ou redimensionner la fenêtre : cliquer droit où il n'y pas de sommet.\n");
        QStringList titres;
        Repondeur repondeur;
        for (int i = 0; i < 2; ++i) {
            repondeur.Puis([&](QWidget* dialogue) {
                auto* boite = qobject_cast<QMessageBox*>(dialogue);
                QVERIFY(boite != nullptr);
                titres << boite->windowTitle();
                QCOMPARE(boite->text(), texte);
                boite->button(QMessageBox::Ok)->click();
            });
        }
        Action(*cadre, "Aide1")->trigger();
        Action(*cadre, "bt_credits")->trigger();
        QCOMPARE(titres, QStringList(2, QStringLiteral("Aide pour l'utilisation de Quorvalent")));
    }

    void Notices_etCredits()
    {
        QStringList vus;
        Repondeur repondeur;
        for (int i = 0; i < 4; ++i) {
            repondeur.Puis([&](QWidget* dialogue) {
                auto* boite = qobject_cast<QMessageBox*>(dialogue);
                QVERIFY(boite != nullptr);
                vus << boite->windowTitle() + QLatin1Char('|') + boite->text().section(QLatin1Char('\n'), 0, 0);
                boite->button(QMessageBox::Ok)->click();
            });
        }
        Action(*cadre, "ExporterenHTML1")->trigger();
        Action(*cadre, "bt_rapport")->trigger();
        Action(*cadre, "bt_3D")->trigger();
        Action(*cadre, "Crdits1")->trigger();
        Action(*cadre, "min5")->trigger();  // Prim: nothing at all
        QCOMPARE(vus, (QStringList{
                          QStringLiteral("Juste 2 secondes|Cette fonction n'est pas fini d'être implémentée."),
                          QStringLiteral("Juste 2 secondes|Cette fonction n'est pas fini d'être implémentée."),
                          QStringLiteral("Un peu de patience|Cette fonction n'est pas encore implémentée."),
                          QStringLiteral("Crédits|Quorvalent, version " QUORVALENT_VERSION),
                      }));
    }

    void Quitter_nonNeFaitRien_etLesBoutonsSontEnFrancais()
    {
        InstallerTraductionsQt(*QCoreApplication::instance());
        QStringList boutons;
        Repondeur repondeur;
        repondeur.Puis([&](QWidget* dialogue) {
            auto* boite = qobject_cast<QMessageBox*>(dialogue);
            QVERIFY(boite != nullptr);
            QCOMPARE(boite->text(), QStringLiteral("Etes-vous sûr de vouloir quitter cette application ?"));
            boutons << boite->button(QMessageBox::Yes)->text() << boite->button(QMessageBox::No)->text();
            boite->button(QMessageBox::No)->click();
        });
        Action(*cadre, "Quitter1")->trigger();
        QCOMPARE(boutons, (QStringList{QStringLiteral("&Oui"), QStringLiteral("&Non")}));
        QVERIFY(cadre->isVisible());
    }
};

QTEST_MAIN(TestCadre)
#include "TestCadre.moc"

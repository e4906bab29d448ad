#include "Repondeur.h"

#include "LigneCommande.h"
#include "TApercu.h"
#include "TDeroulement.h"
#include "TFenetreGraphe.h"
#include "TGuide.h"
#include "TTrivaldo.h"
#include "Traductions.h"
#include "algorithms/Kruskal.h"

#include <QAction>
#include <QAbstractProxyModel>
#include <QClipboard>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
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

// The letter after "&", or a null character when there is none.
QChar Mnemonique(const QString& texte)
{
    for (qsizetype i = 0; i + 1 < texte.size(); ++i) {
        if (texte[i] == QLatin1Char('&') && texte[i + 1] != QLatin1Char('&'))
            return texte[i + 1].toLower();
        if (texte[i] == QLatin1Char('&'))
            ++i;
    }
    return {};
}

// Items of `menu` whose mnemonics are missing or shared, by their texts.
QStringList MnemoniquesFautives(const QList<QAction*>& items)
{
    QStringList fautives;
    QList<QChar> vues;
    for (QAction* item : items) {
        if (item->isSeparator())
            continue;
        const QChar lettre = Mnemonique(item->menu() != nullptr ? item->menu()->title() : item->text());
        if (lettre.isNull() || vues.contains(lettre))
            fautives << item->text();
        vues << lettre;
        if (item->menu() != nullptr)
            fautives << MnemoniquesFautives(item->menu()->actions());
    }
    return fautives;
}

// Drops `chemins` on the frame as a file manager would.
void Deposer(TTrivaldo& cadre, const QStringList& chemins)
{
    QMimeData donnees;
    QList<QUrl> adresses;
    for (const QString& chemin : chemins)
        adresses << QUrl::fromLocalFile(chemin);
    donnees.setUrls(adresses);
    const QPoint centre = cadre.rect().center();
    QDragEnterEvent entree(centre, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&cadre, &entree);
    QVERIFY(entree.isAccepted());
    QDropEvent depot(QPointF(centre), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&cadre, &depot);
}

QStringList TextesMenu(TTrivaldo& cadre, const char* composant)
{
    auto* menu = cadre.findChild<QMenu*>(QLatin1String(composant));
    emit menu->aboutToShow();
    QStringList textes;
    for (QAction* item : menu->actions())
        if (!item->isSeparator())
            textes << item->text();
    return textes;
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
    QTemporaryDir reglages;

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

    void Activer()
    {
        QApplication::setActiveWindow(cadre.get());
        QVERIFY(QTest::qWaitForWindowActive(cadre.get()));
    }

private slots:
    // The user's own settings are left alone; Qt's texts in French, as the
    // program loads them before making its frame.
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages.path());
        InstallerTraductionsQt(*QCoreApplication::instance());
    }
    void init()
    {
        QSettings(QStringLiteral("Quorvalent"), QStringLiteral("Quorvalent")).clear();
        Demarrer();
    }
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
            {"Enregistrersous1", "Enregistrer sous", "Ctrl+Shift+S"},
            {"Fermer1", "Fermer", "Ctrl+F"},
            {"bt_Imprimer", "Imprimer", "Ctrl+P"},
            {"Fentresuivante1", "Fenêtre suivante", "Ctrl+Tab"},
            {"Guide1", "Guide de l'utilisateur", "F1"},
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
            QCOMPARE(action->text().remove(QLatin1Char('&')), QString::fromUtf8(item.texte));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromUtf8(item.raccourci)));
        }
        QCOMPARE(Action(*cadre, "Fermer1")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+F")), QKeySequence(QStringLiteral("Ctrl+W"))}));
        QCOMPARE(cadre->findChild<QMenu*>(QStringLiteral("Kruskaln2"))->title().remove(QLatin1Char('&')),
                 QStringLiteral("Kruskal n°2 (le retour)"));
        QStringList titres;
        for (QAction* menu : cadre->menuBar()->actions())
            titres << menu->text().remove(QLatin1Char('&'));
        QCOMPARE(titres,
                 (QStringList{"Fichier", "Édition", "Manipulation", "Traitement", "Détection", "Fenêtres", "?"}));
        QCOMPARE(MnemoniquesFautives(cadre->menuBar()->actions()), QStringList());
        QStringList fichier = TextesMenu(*cadre, "Fichier1");
        QCOMPARE(fichier.mid(fichier.size() - 2), (QStringList{"Fichiers &récents", "&Quitter"}));
        auto* barre = cadre->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QCOMPARE(barre->actions().size(), 12);
        QVERIFY(barre->actions().at(4)->isSeparator());
        QVERIFY(barre->actions().at(9)->isSeparator());
        QList<QImage> images;
        for (QAction* bouton : barre->actions()) {
            if (bouton->isSeparator())
                continue;
            QVERIFY(!bouton->text().isEmpty() && bouton->toolTip().startsWith(bouton->text()));
            QCOMPARE(barre->widgetForAction(bouton)->accessibleName(), bouton->text());
            QVERIFY(!bouton->icon().isNull());
            const QImage image = bouton->icon().pixmap(20, 20).toImage();
            QVERIFY2(!images.contains(image), qPrintable(bouton->objectName()));
            images << image;
        }
        QCOMPARE(images.size(), 10);
        QCOMPARE(barre->actions().last()->objectName(), QStringLiteral("bt_credits"));
        QCOMPARE(Action(*cadre, "bt_SauverSous")->toolTip(), QStringLiteral("Enregistrer sous (Ctrl+Maj+S)"));
    }

    void Clavier_F10OuvreLeMenuCtrlWFermeCtrlTabPasseALaSuivante()
    {
        Activer();
        QTest::keyClick(cadre.get(), Qt::Key_F10);
        QCOMPARE(cadre->menuBar()->activeAction(), cadre->menuBar()->actions().constFirst());
        cadre->findChild<QMenu*>(QStringLiteral("Fichier1"))->close();
        Nouveau(true);
        TFenetreGraphe* seconde = Nouveau(false);
        Activer();
        QTest::keyClick(cadre.get(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(cadre->FenetreActive() != seconde);
        QTest::keyClick(cadre.get(), Qt::Key_W, Qt::ControlModifier);
        FinirEvenement();
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 1);
        QCOMPARE(cadre->FenetreActive(), seconde);
    }

    void Fenetres_listeChaqueFenetreEtRameneCelleHorsDeVue()
    {
        Nouveau(true);
        TFenetreGraphe* loin = Nouveau(true);
        loin->SousFenetre()->move(5000, 5000);
        Nouveau(false);
        const QStringList textes = TextesMenu(*cadre, "Fentres1");
        QCOMPARE(textes.mid(3), (QStringList{"&1 Graphe", "&2 Graphe", "&3 Graphe"}));
        cadre->findChild<QMenu*>(QStringLiteral("Fentres1"))->actions().at(5)->trigger();
        QCOMPARE(cadre->FenetreActive(), loin);
        QCOMPARE(loin->SousFenetre()->pos(), QPoint(0, 0));
    }

    void Guide_F1OuvreLeGuideAvecSonSommaire()
    {
        Activer();
        QTest::keyClick(cadre.get(), Qt::Key_F1);
        auto* guide = cadre->findChild<TGuide*>();
        QVERIFY(guide != nullptr && guide->isVisible() && guide->isWindow());
        QCOMPARE(guide->windowTitle(), QStringLiteral("Guide de l'utilisateur"));
        QStringList sommaire;
        for (int i = 0; i < guide->findChild<QListWidget*>()->count(); ++i)
            sommaire << guide->findChild<QListWidget*>()->item(i)->text().trimmed();
        QVERIFY(sommaire.contains(QStringLiteral("Raccourcis clavier")));
        QVERIFY(sommaire.contains(QStringLiteral("Manipulation : la numérotation topologique")));
        // Every link of the guide to one of its sections leads there.
        QFile source(QStringLiteral(":/guide/guide.md"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QRegularExpression lien(QStringLiteral("\\]\\(#([^)]+)\\)"));
        int liens = 0;
        for (const QRegularExpressionMatch& m : lien.globalMatch(QString::fromUtf8(source.readAll()))) {
            QVERIFY2(guide->AllerA(m.captured(1)), qPrintable(m.captured(1)));
            ++liens;
        }
        QVERIFY(liens >= 13);
        QVERIFY(!guide->AllerA(QStringLiteral("nulle-part")));
        QTest::keyClick(cadre.get(), Qt::Key_F1);
        QCOMPARE(cadre->findChildren<TGuide*>().size(), 1);
    }

    void LigneCommande_fichiersVersionEtOptionsInconnues()
    {
        const QString programme = QStringLiteral("quorvalent");
        Lancement lancement = LireLigneCommande({programme, "a.gff", "-platform", "offscreen", "b.gff"}, false);
        QVERIFY(!lancement.sortie);
        lancement = LireLigneCommande({programme, "a.gff", "b c.gff"}, true);
        QCOMPARE(lancement.fichiers, (QStringList{"a.gff", "b c.gff"}));
        QVERIFY(!lancement.sortie);
        QCOMPARE(LireLigneCommande({programme, "--version"}, false).sortie, 0);
        QCOMPARE(LireLigneCommande({programme, "-stylesheet", "x.qss"}, false).sortie, std::nullopt);
        QCOMPARE(LireLigneCommande({programme, "--inconnue", "a.gff"}, true).sortie, 2);
    }

    void DeposerEtLigneCommande_ouvrentCommeOuvrir()
    {
        const QString graphe = Chemin("depose.gff");
        Nouveau(true)->Graphe().AjouterSommet("A", 10, 10);
        cadre->FenetreActive()->Graphe().Sauvegarder(graphe.toStdString());
        const QString illisible = Chemin("illisible.gff");
        QFile fichier(illisible);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("rien");
        fichier.close();

        Repondeur repondeur;
        QString titreMessage;
        repondeur.Puis([&](QWidget* dialogue) {
            titreMessage = dialogue->windowTitle();
            dialogue->close();
        });
        Deposer(*cadre, {graphe, illisible});
        QCOMPARE(titreMessage, QStringLiteral("Format incompatible"));
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 3);
        QCOMPARE(qobject_cast<TFenetreGraphe*>(Zone(*cadre)->subWindowList().at(1)->widget())->TitreAffiche(), graphe);
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));

        // A relative path, as typed after the program's name.
        QDir::setCurrent(dossier.path());
        cadre->OuvrirFichiers({QStringLiteral("depose.gff")});
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 4);
        QCOMPARE(cadre->FenetreActive()->Graphe().NbSommets(), 1);
    }

    void Recents_gardesDUnCadreALAutreEtLeDossierAvec()
    {
        const QString premier = Chemin("premier.gff");
        TFenetreGraphe* fenetre = Nouveau(true);
        fenetre->Graphe().Sauvegarder(premier.toStdString());
        cadre->OuvrirFichiers({premier});
        Repondeur repondeur;
        repondeur.Puis(ChoisirFichier(Chemin("second")));
        Action(*cadre, "Enregistrersous1")->trigger();
        cadre->OuvrirFichiers({Chemin("absent.gff")});  // not found: not kept
        QVERIFY(repondeur.ToutRepondu());

        cadre.reset();
        Demarrer();
        const QString attendus = QStringLiteral("&1 %1|&2 %2|&Effacer la liste").arg(Chemin("second.gff"), premier);
        QCOMPARE(TextesMenu(*cadre, "Fichiersrcents1").join(QLatin1Char('|')), attendus);
        QString dossierDepart;
        repondeur.Puis([&](QWidget* dialogue) {
            if (auto* fichiers = qobject_cast<QFileDialog*>(dialogue))
                dossierDepart = fichiers->directory().absolutePath();
            dialogue->close();
        });
        Action(*cadre, "Ouvrir1")->trigger();
        QCOMPARE(dossierDepart, QDir(dossier.path()).absolutePath());

        cadre->findChild<QMenu*>(QStringLiteral("Fichiersrcents1"))->actions().at(1)->trigger();
        QCOMPARE(Zone(*cadre)->subWindowList().size(), 1);
        QCOMPARE(TextesMenu(*cadre, "Fichiersrcents1").first(), QStringLiteral("&1 %1").arg(premier));
        Action(*cadre, "Effacerlaliste1")->trigger();
        cadre.reset();
        Demarrer();
        QCOMPARE(TextesMenu(*cadre, "Fichiersrcents1"), QStringList(QStringLiteral("&Effacer la liste")));
    }

    void Apercu_EchapLeFerme()
    {
        Nouveau(true);
        Action(*cadre, "bt_Apercu")->trigger();
        TApercu* apercu = cadre->findChild<TApercu*>();
        QApplication::setActiveWindow(apercu);
        QVERIFY(QTest::qWaitForWindowActive(apercu));
        QTest::keyClick(apercu, Qt::Key_Escape);
        QVERIFY(!apercu->isVisible());
    }

    void Traductions_ceQueQtLaisseEnAnglais()
    {
        InstallerTraductionsQt(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
                 QStringLiteral("Dossier"));
    }

    // On any machine, French locale installed or not.
    void Ouvrir_tailleEtDateDesFichiersEnFrancais()
    {
        const QDateTime quatorzeJuillet(QDate(2026, 7, 14), QTime(9, 5));
        for (const auto& [nom, taille] : {std::pair{"petit.gff", 375}, {"moyen.gff", 2900}}) {
            QFile fichier(Chemin(nom));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(QByteArray(taille, 'x'));
            fichier.flush();
            QVERIFY(fichier.setFileTime(quatorzeJuillet, QFileDevice::FileModificationTime));
        }
        auto* dialogue = cadre->findChild<QFileDialog*>(QStringLiteral("OpenDialog1"));
        QVERIFY(dialogue != nullptr && dialogue->proxyModel() != nullptr);
        dialogue->setDirectory(dossier.path());
        QAbstractProxyModel& liste = *dialogue->proxyModel();
        auto* fichiers = qobject_cast<QFileSystemModel*>(liste.sourceModel());
        QVERIFY(fichiers != nullptr);
        const auto ligne = [&](const QString& nom, int colonne) {
            return liste.mapFromSource(fichiers->index(Chemin(nom.toLatin1()))).siblingAtColumn(colonne).data();
        };
        QTRY_COMPARE(ligne("petit.gff", 1).toString(), QStringLiteral("375 octets"));
        QCOMPARE(ligne("moyen.gff", 1).toString(), QStringLiteral("2,8 ko"));
        QCOMPARE(ligne("petit.gff", 3).toString(), QStringLiteral("14 juil. 2026 09:05"));
        QCOMPARE(liste.mapFromSource(fichiers->index(dossier.path())).siblingAtColumn(1).data().toString(), QString());
        // Shown whole, not cut to "375…ets".
        const auto* detail = dialogue->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(detail != nullptr);
        for (const int colonne : {1, 3})
            QVERIFY(detail->header()->sectionSize(colonne)
                    > detail->fontMetrics().horizontalAdvance(ligne("petit.gff", colonne).toString()));
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
            titreFenetre = cadre->FenetreActive() ? cadre->FenetreActive()->TitreAffiche() : QString();
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
        QCOMPARE(fenetre->TitreAffiche(), attendu);
    }

    void ExporterSousPuisOuvrir_grapheImporteSansCheminNommeParSonFichier()
    {
        TFenetreGraphe* fenetre = Nouveau(false);
        fenetre->Graphe().AjouterSommet("A", 10, 20);
        fenetre->Graphe().AjouterSommet("B", 90, 20);
        fenetre->Graphe().AjouterArc("A", "B", 4);
        Repondeur repondeur;
        repondeur.Puis(ChoisirFichier(dossier.filePath("echange")));
        Action(*cadre, "Exportersous1")->trigger();
        const QString fichier = dossier.filePath("echange.graphml");
        QVERIFY(QFileInfo(fichier).isFile());
        cadre->OuvrirFichiers({fichier});
        TFenetreGraphe* ouverte = cadre->FenetreActive();
        QVERIFY(ouverte != fenetre);
        // Modified: no ".gff" holds it yet, so closing it would ask first.
        QCOMPARE(ouverte->TitreAffiche(), QStringLiteral("echange.graphml*"));
        // "Enregistrer" asks for a ".gff" name rather than writing over the GraphML.
        QVERIFY(ouverte->Graphe().NomFichier().empty());
        QCOMPARE(ouverte->Graphe().NbArcs(), 2);
        QVERIFY(!ouverte->Graphe().Oriente());
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));

        // The pictures, chosen by the dialog's filter, each a file its kind's reader knows.
        const struct {
            QString filtre;
            QString fichier;
            QByteArray debut;
        } images[] = {{QStringLiteral("Image PNG (*.png)"), QStringLiteral("image.png"), "\x89PNG"},
                      {QStringLiteral("Image SVG (*.svg)"), QStringLiteral("image.svg"), "<?xml"},
                      {QStringLiteral("Page imprimée PDF (*.pdf)"), QStringLiteral("page.pdf"), "%PDF"}};
        for (const auto& image : images) {
            const auto choisir = ChoisirFichier(dossier.filePath(image.fichier));
            repondeur.Puis([&](QWidget* dialogue) {
                if (auto* fichiers = qobject_cast<QFileDialog*>(dialogue))
                    fichiers->selectNameFilter(image.filtre);
                choisir(dialogue);
            });
            Action(*cadre, "Exportersous1")->trigger();
            QFile ecrit(dossier.filePath(image.fichier));
            QVERIFY2(ecrit.open(QIODevice::ReadOnly), qPrintable(image.fichier));
            QVERIFY2(ecrit.readAll().startsWith(image.debut), qPrintable(image.fichier));
        }
        QCOMPARE(QImage(dossier.filePath("image.png")).size(), QSize(140, 70));
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
        QCOMPARE(fenetre->TitreAffiche(), QStringLiteral("Graphe"));

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
        QCOMPARE(cadre->FenetreActive()->TitreAffiche(), QStringLiteral("Graphe"));
        QCOMPARE(cadre->FenetreActive()->Graphe().NbSommets(), 0);
    }

    void Ouvrir_prendLeCheminOuvertEtSAjusteAuxSommets()
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
        QCOMPARE(ouverte->TitreAffiche(), copie);
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

    // "Montrer le déroulement", off at first and remembered: checked, a
    // tree command also opens the table of its steps, which copies, exports
    // and closes with the graph it explains.
    void Deroulement_tableauDuResultat_copieExporteEtFermeAvecLeGraphe()
    {
        QAction* montrer = Action(*cadre, "Montrerledroulement1");
        QVERIFY(montrer->isCheckable() && !montrer->isChecked());
        QCOMPARE(TextesMenu(*cadre, "Algorithmes1").last(), QStringLiteral("&Montrer le déroulement"));
        TFenetreGraphe* source = Nouveau(false);
        for (const char* nom : {"A", "B", "C"})
            source->Graphe().AjouterSommet(nom, 20 + 60 * (nom[0] - 'A'), 20);
        source->Graphe().AjouterArc("A", "B", 3);
        source->Graphe().AjouterArc("B", "C", 2);
        source->Graphe().AjouterArc("A", "C", 1);
        Action(*cadre, "max")->trigger();
        QVERIFY(cadre->findChild<TDeroulement*>() == nullptr);

        montrer->trigger();
        Zone(*cadre)->setActiveSubWindow(source->SousFenetre());
        Action(*cadre, "max")->trigger();
        auto* table = cadre->findChild<TDeroulement*>();
        QVERIFY(table != nullptr);
        QCOMPARE(table->SousFenetre()->windowTitle(), QStringLiteral("Déroulement : Kruskal n°1 max"));
        // Ctrl+W stays "Fermer"'s: a second owner would make it do nothing.
        for (QAction* item : table->SousFenetre()->systemMenu()->actions())
            QVERIFY(!item->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
        QVERIFY2(cadre->FenetreActive() != nullptr && cadre->FenetreActive() != source, "the tree stays current");
        table->CopierTableau();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Étape\tOrigine\tCible\tPoids\tDécision\tRaison\n"
                                                                   "1\tA\tB\t3\tgardé\tne ferme aucun cycle\n"
                                                                   "2\tB\tA\t3\trefusé\tferme un cycle\n"
                                                                   "3\tB\tC\t2\tgardé\tne ferme aucun cycle\n"
                                                                   "4\tC\tB\t2\trefusé\tferme un cycle\n"
                                                                   "5\tA\tC\t1\trefusé\tferme un cycle\n"
                                                                   "6\tC\tA\t1\trefusé\tferme un cycle\n"));
        QCOMPARE(table->Exporter(Chemin("t.csv")), QString());
        QCOMPARE(table->Exporter(Chemin("t.TEX")), QString());
        QFile csv(Chemin("t.csv"));
        QFile latex(Chemin("t.TEX"));
        QVERIFY(csv.open(QIODevice::ReadOnly) && latex.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readLine(), QByteArray("Étape;Origine;Cible;Poids;Décision;Raison\r\n"));
        QVERIFY(latex.readAll().contains("\\begin{tabular}{llllll}\n\\hline\nÉtape & Origine"));
        QVERIFY2(!table->Exporter(dossier.path()).isEmpty(), "a folder is no file");

        // As if saved, so that closing asks nothing.
        source->MarquerEnregistre();
        source->SousFenetre()->close();
        FinirEvenement();
        FinirEvenement();
        QVERIFY(Zone(*cadre)->subWindowList().isEmpty());
        cadre.reset();
        Demarrer();
        QVERIFY(Action(*cadre, "Montrerledroulement1")->isChecked());
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

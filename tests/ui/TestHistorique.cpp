#include "Repondeur.h"

#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include "model/RemplissageGraphe.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>
#include <string>

// Undo, redo, the modified mark and the question asked before a modified
// graph closes, through the frame's menus and the window's mouse.

namespace {
struct Question {
    QString titre;
    QString texte;
    QStringList boutons;
    QString parDefaut;
};

// Answers the closing question with the button of that text, and notes it.
Repondeur::Reponse Repondre(const QString& bouton, QList<Question>* vues)
{
    return [bouton, vues](QWidget* dialogue) {
        auto* boite = qobject_cast<QMessageBox*>(dialogue);
        if (boite == nullptr) {
            dialogue->close();
            return;
        }
        Question question{boite->windowTitle(), boite->text(), {}, {}};
        QAbstractButton* choisi = nullptr;
        for (QAbstractButton* b : boite->buttons()) {
            question.boutons << b->text().remove(QLatin1Char('&'));
            if (b->text().remove(QLatin1Char('&')) == bouton)
                choisi = b;
        }
        question.parDefaut =
            boite->defaultButton() ? boite->defaultButton()->text().remove(QLatin1Char('&')) : QString();
        vues->append(question);
        if (choisi != nullptr)
            choisi->click();
        else
            boite->close();
    };
}
}  // namespace

class TestHistorique : public QObject {
    Q_OBJECT

    std::unique_ptr<TTrivaldo> cadre;
    QTemporaryDir dossier;

    QAction* Action(const char* composant) { return cadre->findChild<QAction*>(QLatin1String(composant)); }
    QMdiArea* Zone() { return cadre->findChild<QMdiArea*>(); }
    TFenetreGraphe* Nouveau()
    {
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        Action("Nouveau1")->trigger();
        return cadre->FenetreActive();
    }
    void Cliquer(TFenetreGraphe* fenetre, QPoint point, const QString& nom)
    {
        Repondeur repondeur;
        repondeur.Puis(Saisir(nom));
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, point);
        QVERIFY(repondeur.ToutRepondu());
    }
    void Pointer(TFenetreGraphe* fenetre, QPoint point)
    {
        QMouseEvent deplacement(QEvent::MouseMove, point, fenetre->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                                Qt::NoModifier);
        QCoreApplication::sendEvent(fenetre, &deplacement);
    }
    QByteArray Octets(TFenetreGraphe* fenetre)
    {
        const QString chemin = dossier.filePath(QStringLiteral("octets.gff"));
        const std::string garde = fenetre->Graphe().NomFichier();
        fenetre->Graphe().Sauvegarder(chemin.toStdString());
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        cadre = std::make_unique<TTrivaldo>();
        cadre->show();
        QVERIFY(QTest::qWaitForWindowExposed(cadre.get()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanup() { cadre.reset(); }

    // Each kind of change, undone one by one back to the empty graph and
    // redone to the end: the saved bytes of every state come back exactly,
    // the items name each step, the mark follows the saved state.
    void AnnulerRetablir_chaqueEtapeRendLesOctetsExacts()
    {
        QVERIFY(!Action("Annuler1")->isEnabled());
        TFenetreGraphe* fenetre = Nouveau();
        QList<QByteArray> etats{Octets(fenetre)};
        QStringList noms;
        auto noter = [&] {
            etats << Octets(fenetre);
            noms << Action("Annuler1")->text();
        };
        Cliquer(fenetre, {40, 40}, QStringLiteral("A"));
        noter();
        Cliquer(fenetre, {200, 120}, QStringLiteral("B&C"));
        noter();
        {
            Repondeur repondeur;
            repondeur.Puis(Saisir(QStringLiteral("5")));
            QTest::mousePress(fenetre, Qt::LeftButton, {}, QPoint(40, 40));
            QTest::mouseRelease(fenetre, Qt::LeftButton, {}, QPoint(200, 120));
        }
        noter();
        {
            // A heavier parallel arc, for Kruskal n°2 to take away.
            Repondeur repondeur;
            repondeur.Puis(Saisir(QStringLiteral("9")));
            QTest::mousePress(fenetre, Qt::LeftButton, {}, QPoint(40, 40));
            QTest::mouseRelease(fenetre, Qt::LeftButton, {}, QPoint(200, 120));
        }
        noter();
        {
            Repondeur repondeur;
            repondeur.Puis(Choisir("Deplacer1"));
            QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(40, 40));
            Pointer(fenetre, {60, 70});
            Pointer(fenetre, {90, 150});
            QCOMPARE(fenetre->Historique().count(), 4);
            QTest::mouseClick(fenetre, Qt::LeftButton, {}, QPoint(90, 150));
        }
        noter();
        Action("Numrotationtopologique1")->trigger();
        noter();
        Action("min4")->trigger();
        noter();
        {
            Repondeur repondeur;
            repondeur.Puis(Choisir("Supprimer1"));
            repondeur.Puis(CliquerBouton(QMessageBox::Yes));
            QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(200, 120));
        }
        noter();
        QCOMPARE(noms, (QStringList{
                           QStringLiteral("&Annuler l'ajout du sommet « A »"),
                           QStringLiteral("&Annuler l'ajout du sommet « B&&C »"),
                           QStringLiteral("&Annuler l'ajout de l'arc A → B&&C"),
                           QStringLiteral("&Annuler l'ajout de l'arc A → B&&C"),
                           QStringLiteral("&Annuler le déplacement du sommet « A »"),
                           QStringLiteral("&Annuler la numérotation topologique"),
                           QStringLiteral("&Annuler Kruskal n°2 (min)"),
                           QStringLiteral("&Annuler la suppression du sommet « B&&C »"),
                       }));
        QVERIFY(fenetre->TitreAffiche().endsWith(QLatin1Char('*')));

        for (qsizetype i = etats.size() - 1; i > 0; --i) {
            Action("Annuler1")->trigger();
            QVERIFY2(Octets(fenetre) == etats[i - 1],
                     qPrintable(QStringLiteral("annulé jusqu'à l'état %1").arg(i - 1)));
        }
        QVERIFY(!Action("Annuler1")->isEnabled());
        QCOMPARE(fenetre->TitreAffiche(), QStringLiteral("Graphe"));
        QCOMPARE(Action("Rtablir1")->text(), QStringLiteral("&Rétablir l'ajout du sommet « A »"));
        for (qsizetype i = 1; i < etats.size(); ++i) {
            Action("Rtablir1")->trigger();
            QVERIFY2(Octets(fenetre) == etats[i], qPrintable(QStringLiteral("rétabli jusqu'à l'état %1").arg(i)));
        }
        QVERIFY(!Action("Rtablir1")->isEnabled());
        QCOMPARE(Action("Rtablir1")->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                                       QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        QCOMPARE(Action("Annuler1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));

        // Saved, then undone and redone: the mark goes and comes back.
        const QString chemin = dossier.filePath(QStringLiteral("g.gff"));
        QFile(chemin).open(QIODevice::WriteOnly);
        fenetre->Graphe().FixerNomFichier(chemin.toStdString());
        Action("Enregistrer1")->trigger();
        QCOMPARE(fenetre->TitreAffiche(), QStringLiteral("Graphe"));
        Action("Annuler1")->trigger();
        QCOMPARE(fenetre->TitreAffiche(), QStringLiteral("Graphe*"));
        Action("Rtablir1")->trigger();
        QCOMPARE(fenetre->TitreAffiche(), QStringLiteral("Graphe"));
    }

    // Every way of closing asks about a modified graph: Annuler keeps it,
    // Ne pas enregistrer closes it; an unmodified one closes unasked.
    void Fermeture_demandeAvantDePerdreLesModifications_data()
    {
        QTest::addColumn<QString>("facon");
        QTest::newRow("Fermer") << "Fermer1";
        QTest::newRow("Tout fermer") << "Toutfermer1";
        QTest::newRow("case de fermeture") << "";
        QTest::newRow("fenêtre principale") << "cadre";
    }
    void Fermeture_demandeAvantDePerdreLesModifications()
    {
        QFETCH(QString, facon);
        // Tout fermer and the frame close this one first, and for good.
        const QPointer<QMdiSubWindow> intacte = Nouveau()->SousFenetre();
        TFenetreGraphe* fenetre = Nouveau();
        const QPointer<QMdiSubWindow> sous = fenetre->SousFenetre();
        Cliquer(fenetre, {40, 40}, QStringLiteral("A"));
        auto fermer = [&] {
            if (facon == QLatin1String("cadre"))
                cadre->close();
            else if (facon.isEmpty())
                sous->close();
            else
                Action(facon.toLatin1().constData())->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        QList<Question> vues;
        Repondeur repondeur;
        repondeur.Puis(Repondre(QStringLiteral("Annuler"), &vues));
        fermer();
        QVERIFY(repondeur.ToutRepondu());
        QVERIFY(Zone()->subWindowList().contains(sous));
        QVERIFY(cadre->isVisible());
        QCOMPARE(vues.size(), 1);
        QCOMPARE(vues[0].titre, QStringLiteral("Quorvalent"));
        QCOMPARE(vues[0].texte, QStringLiteral("Le graphe « Graphe » a été modifié.\nVoulez-vous enregistrer les "
                                               "modifications ?"));
        QCOMPARE(vues[0].boutons.size(), 3);
        QVERIFY(vues[0].boutons.contains(QStringLiteral("Ne pas enregistrer")));
        QCOMPARE(vues[0].parDefaut, QStringLiteral("Enregistrer"));

        repondeur.Puis(Repondre(QStringLiteral("Ne pas enregistrer"), &vues));
        fermer();
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(vues.size(), 2);
        QVERIFY(sous.isNull());
        QCOMPARE(intacte.isNull(), facon == QLatin1String("Toutfermer1") || facon == QLatin1String("cadre"));
    }

    void Quitter_AnnulerGardeToutOuvert()
    {
        TFenetreGraphe* fenetre = Nouveau();
        Cliquer(fenetre, {40, 40}, QStringLiteral("A"));
        QList<Question> vues;
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        repondeur.Puis(Repondre(QStringLiteral("Annuler"), &vues));
        Action("Quitter1")->trigger();
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(vues.size(), 1);
        QCOMPARE(Zone()->subWindowList().size(), 1);
    }

    // Enregistrer saves and closes; for a graph never saved it asks a name,
    // and a cancelled name keeps the window open.
    void Fermeture_EnregistrerEcritOuGardeLaFenetre()
    {
        TFenetreGraphe* fenetre = Nouveau();
        Cliquer(fenetre, {40, 40}, QStringLiteral("A"));
        QList<Question> vues;
        Repondeur repondeur;
        repondeur.Puis(Repondre(QStringLiteral("Enregistrer"), &vues));
        repondeur.Puis([](QWidget* dialogue) { dialogue->close(); });  // the save dialog, cancelled
        Action("Fermer1")->trigger();
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(Zone()->subWindowList().size(), 1);

        const QString chemin = dossier.filePath(QStringLiteral("ferme.gff"));
        QFile(chemin).open(QIODevice::WriteOnly);
        fenetre->Graphe().FixerNomFichier(chemin.toStdString());
        repondeur.Puis(Repondre(QStringLiteral("Enregistrer"), &vues));
        Action("Fermer1")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(vues.last().texte.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Le graphe « ferme.gff » a été modifié."));
        QVERIFY(Zone()->subWindowList().isEmpty());
        QCOMPARE(QFileInfo(chemin).size(), 107 + 36);
    }

    // A tree window opens unmodified; changed, it asks when its source
    // closes, and its Annuler keeps both open.
    void FenetreResultat_ouverteIntacteDemandeQuandSaSourceFerme()
    {
        TFenetreGraphe* source = Nouveau();
        source->Graphe().AjouterSommet("A", 20, 20);
        source->Graphe().AjouterSommet("B", 80, 20);
        source->Graphe().AjouterArc("A", "B", 3);
        source->FixerEtatInitial();
        Action("min1")->trigger();
        TFenetreGraphe* arbre = cadre->FenetreActive();
        QVERIFY(arbre != source);
        QVERIFY(!arbre->Modifie());
        QVERIFY(!source->Modifie());
        Cliquer(arbre, {150, 150}, QStringLiteral("C"));
        QVERIFY(arbre->Modifie());

        QList<Question> vues;
        Repondeur repondeur;
        repondeur.Puis(Repondre(QStringLiteral("Annuler"), &vues));
        source->SousFenetre()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(Zone()->subWindowList().size(), 2);
    }

    // Past its budget the history forgets its oldest steps; what it keeps
    // still undoes exactly, and the saved state, forgotten, stays modified.
    void Budget_lesPlusAnciennesEtapesOubliees()
    {
        TFenetreGraphe* fenetre = Nouveau();
        fenetre->FixerBudgetHistorique(300);
        QList<QByteArray> etats{Octets(fenetre)};
        for (int i = 0; i < 6; ++i) {
            Cliquer(fenetre, {30 + 40 * i, 40}, QStringLiteral("S%1").arg(i));
            etats << Octets(fenetre);
        }
        const int gardees = fenetre->Historique().count();
        QVERIFY(gardees > 0 && gardees < 6);
        for (int i = 0; i < gardees; ++i)
            Action("Annuler1")->trigger();
        QCOMPARE(Octets(fenetre), etats[6 - gardees]);
        QVERIFY(!Action("Annuler1")->isEnabled());
        QVERIFY(fenetre->Modifie());
    }

    // A long command stopped from its progress dialog: Ford by passes on a
    // long chain (a negative weight and a circuit leave it no shortcut),
    // which would run for seconds. The values it had written, the history
    // are as before, and no path window is left.
    void Progression_AnnulerLaisseLeGrapheEtLHistoriqueIntacts()
    {
        TFenetreGraphe* fenetre = Nouveau();
        TGraphe& graphe = fenetre->Graphe();
        constexpr int n = 20000;
        const auto nom = [](int i) { return "S" + std::to_string(i); };
        {
            RemplissageGraphe remplissage(graphe);
            for (int i = 0; i < n; ++i)
                remplissage.AjouterSommet(nom(i).c_str(), 20 + 30 * (i % 100), 20 + 30 * (i / 100));
            for (int i = 0; i + 1 < n; ++i)
                remplissage.AjouterArc(nom(i).c_str(), nom(i + 1).c_str(), i == 0 ? -1 : 1);
            remplissage.AjouterArc(nom(n - 1).c_str(), nom(0).c_str(), n);
        }
        graphe.Sommets().begin()->valeur = 7;
        fenetre->Synchroniser();
        const QByteArray avant = Octets(fenetre);
        const int etapes = fenetre->Historique().count();
        const qsizetype fenetres = Zone()->subWindowList().size();

        QString texte;
        Repondeur repondeur;
        repondeur.Puis([&](QWidget* dialogue) {
            dialogue->findChild<QLineEdit*>(QStringLiteral("ed_depart"))->setText(QString::fromStdString(nom(0)));
            dialogue->findChild<QLineEdit*>(QStringLiteral("ed_arrive"))->setText(QString::fromStdString(nom(n - 1)));
            dialogue->findChild<QPushButton*>(QStringLiteral("bt_Ok"))->click();
        });
        repondeur.Puis([&](QWidget* dialogue) {
            auto* progression = qobject_cast<QProgressDialog*>(dialogue);
            if (progression == nullptr) {
                dialogue->close();
                return;
            }
            texte = progression->labelText();
            QTest::mouseClick(progression->findChild<QPushButton*>(), Qt::LeftButton);
        });
        Action("min3")->trigger();
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(texte, QStringLiteral("Calcul en cours : Ford (min)…"));
        QCOMPARE(Octets(fenetre), avant);
        QCOMPARE(fenetre->Historique().count(), etapes);
        QCOMPARE(Zone()->subWindowList().size(), fenetres);
    }
};

QTEST_MAIN(TestHistorique)
#include "TestHistorique.moc"

#include "Repondeur.h"

#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
bool EstSombre(QRgb pixel)
{
    return qGray(pixel) < 128;
}
}  // namespace

class TestFenetreGraphe : public QObject {
    Q_OBJECT

    std::unique_ptr<TTrivaldo> cadre;
    TFenetreGraphe* fenetre = nullptr;

    TGraphe& Graphe() { return fenetre->Graphe(); }

private slots:
    void init()
    {
        cadre = std::make_unique<TTrivaldo>();
        cadre->show();
        QVERIFY(QTest::qWaitForWindowExposed(cadre.get()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        cadre->findChild<QAction*>(QStringLiteral("Nouveau1"))->trigger();
        fenetre = cadre->FenetreActive();
        QVERIFY(fenetre != nullptr);
    }
    void cleanup() { cadre.reset(); }

    void ClicGaucheDansLeVide_creeLeSommetNommeAuPoint()
    {
        Repondeur repondeur;
        QString titre;
        repondeur.Puis(Saisir(QStringLiteral("Été"), &titre));
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, QPoint(60, 50));
        QCOMPARE(titre, QStringLiteral("Entrer le nom du sommet"));
        const Sommet* sommet = Graphe().ChercherSommet("\xC9t\xE9");
        QVERIFY(sommet != nullptr);
        QCOMPARE(sommet->x, 60);
        QCOMPARE(sommet->y, 50);
    }

    void Glisser_traceLElastiquePuisAjouteLArcAuPoidsSaisi()
    {
        Graphe().AjouterSommet("A", 40, 40);
        Graphe().AjouterSommet("B", 200, 120);
        QTest::mousePress(fenetre, Qt::LeftButton, {}, QPoint(43, 37));
        QTest::mouseMove(fenetre, QPoint(140, 140));
        // The rubber band runs from A's centre to the pointer.
        const QImage image = fenetre->grab().toImage();
        QVERIFY(EstSombre(image.pixel(90, 90)));
        QVERIFY(!EstSombre(image.pixel(90, 60)));

        Repondeur repondeur;
        QString titre;
        repondeur.Puis(Saisir(QStringLiteral(" -4"), &titre));
        QTest::mouseRelease(fenetre, Qt::LeftButton, {}, QPoint(210, 130));
        QCOMPARE(titre, QStringLiteral("Entrez le poids de l'arc :"));
        const Arc* arc = Graphe().ChercherArc("A", "B");
        QVERIFY(arc != nullptr);
        QCOMPARE(arc->valeur, -4);
        QVERIFY(!EstSombre(fenetre->grab().toImage().pixel(140, 140)));
    }

    void ClicDroitSurUnSommet_menuAuPointDuCadreEtCommandeChoisie()
    {
        Graphe().AjouterSommet("A", 40, 30);
        const QPoint cadreEcran = cadre->pos();
        const QPoint dansCadre = fenetre->SousFenetre()->pos();
        QPoint menu;
        QString titreMessage;
        Repondeur repondeur;
        repondeur.Puis(Choisir("Information1", &menu));
        repondeur.Puis([&](QWidget* dialogue) {
            titreMessage = dialogue->windowTitle();
            dialogue->close();
        });
        QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(44, 26));
        QCOMPARE(menu, cadreEcran + dansCadre + QPoint(40 + 15, 30 + 20));
        QCOMPARE(titreMessage, QStringLiteral("Information sur un sommet"));
    }

    void Redimensionner_ajusteLaZoneClienteAuxSommets()
    {
        Graphe().AjouterSommet("A", 120, 40);
        Graphe().AjouterSommet("B", 300, 200);
        Repondeur repondeur;
        repondeur.Puis(Choisir("Redimensionnerlafentre1"));
        QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(fenetre->size(), QSize(350, 250));
    }

    void Peinture_fondBlancEtCerclesDesSommets()
    {
        Graphe().AjouterSommet("A", 50, 50);
        const QImage image = fenetre->grab().toImage();
        QCOMPARE(image.pixel(20, 20), qRgb(255, 255, 255));
        QVERIFY(EstSombre(image.pixel(50, 43)));   // top of the circle
        QVERIFY(!EstSombre(image.pixel(50, 50)));  // hollow
    }

    void Fermer_sansModificationNeDemandeRien()
    {
        Graphe().AjouterSommet("A", 50, 50);
        fenetre->FixerEtatInitial();
        Repondeur repondeur;
        fenetre->SousFenetre()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(30);
        QCOMPARE(repondeur.Vus(), 0);
        QVERIFY(cadre->findChild<QMdiArea*>()->subWindowList().isEmpty());
    }
};

QTEST_MAIN(TestFenetreGraphe)
#include "TestFenetreGraphe.moc"

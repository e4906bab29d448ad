#include "OutilsDialogue.h"
#include "TSuppressionArc.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QScreen>

class TestSuppressionArc : public QObject {
    Q_OBJECT

private slots:
    void centrage_moitiesArrondiesVersLeBas()
    {
        QCOMPARE(PositionCentree(QSize(1024, 768), QSize(340, 200)), QPoint(342, 284));
        QCOMPARE(PositionCentree(QSize(1023, 767), QSize(341, 201)), QPoint(341, 283));
        QCOMPARE(PositionCentree(QSize(1920, 1080), QSize(340, 200)), QPoint(790, 440));
    }

    void ouverture_titreGeometrieEtComposants()
    {
        Tampon depart("");
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Supression d'un arc"));
        QCOMPARE(dialogue.size(), QSize(340, 200));
        const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(dialogue.pos(), PositionCentree(ecran, QSize(340, 200)));
        QVERIFY(dialogue.minimumSize() != dialogue.maximumSize());  // resizable
        const Qt::WindowFlags drapeaux = dialogue.windowFlags();
        QVERIFY(drapeaux & Qt::WindowCloseButtonHint);
        QVERIFY(!(drapeaux & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto* ok = Enfant<QPushButton>(dialogue, "bt_Ok");
        auto* annuler = Enfant<QPushButton>(dialogue, "bt_Annuler");
        auto* lblDepart = Enfant<QLabel>(dialogue, "lbl_depart");
        auto* lblArrivee = Enfant<QLabel>(dialogue, "lbl_arrive");
        auto* edDepart = Enfant<QLineEdit>(dialogue, "ed_depart");
        auto* edArrivee = Enfant<QLineEdit>(dialogue, "ed_arrive");
        QVERIFY(ok && annuler && lblDepart && lblArrivee && edDepart && edArrivee);
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QCOMPARE(annuler->text(), QStringLiteral("Annuler"));
        QCOMPARE(lblDepart->text(), QStringLiteral("Nom du sommet de départ"));
        QCOMPARE(lblArrivee->text(), QStringLiteral("Nom du sommet d'arrivée"));
        QCOMPARE(ok->geometry(), QRect(8, 136, 137, 33));
        QCOMPARE(annuler->geometry(), QRect(184, 136, 137, 33));
        QCOMPARE(lblDepart->pos(), QPoint(8, 16));
        QCOMPARE(lblArrivee->pos(), QPoint(200, 16));
        QCOMPARE(edDepart->geometry(), QRect(8, 80, 89, 21));
        QCOMPARE(edArrivee->geometry(), QRect(232, 80, 89, 21));
        QVERIFY(edDepart->text().isEmpty());
        QCOMPARE(ChaineFocus(ok), (QStringList{"bt_Ok", "bt_Annuler", "ed_depart", "ed_arrive"}));
        QVERIFY(Activer(dialogue));
        QVERIFY(!ok->isDefault() && !annuler->isDefault());
    }

    void departFourni_curseurDansArriveeEtEntreeDonneLesDeuxNoms()
    {
        Tampon depart("A");
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QCOMPARE(Enfant<QLineEdit>(dialogue, "ed_depart")->text(), QStringLiteral("A"));
        QVERIFY(Activer(dialogue));
        QCOMPARE(QApplication::focusWidget(), Enfant<QLineEdit>(dialogue, "ed_arrive"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("B"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(depart.Texte(), std::string("A"));
        QCOMPARE(arrivee.Texte(), std::string("B"));
        QVERIFY(!dialogue.isVisible());
    }

    void departFourni_accentueRevientOctetPourOctet()
    {
        Tampon depart("\xC9tape\x80\x9C\x81zzzzzzzzzzz");  // 19 bytes, one undefined
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QVERIFY(Activer(dialogue));
        QTest::mouseClick(Enfant<QPushButton>(dialogue, "bt_Ok"), Qt::LeftButton);
        QCOMPARE(depart.Texte(), std::string("\xC9tape\x80\x9C\x81zzzzzzzzzzz"));
        QVERIFY(arrivee.Vide());
    }

    void avecTitre_champsVidesEtEntreeNAgitQueDansArrivee()
    {
        Tampon depart("ancien");
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, QStringLiteral("Algorithme de Dijkstra"), depart.octets, arrivee.octets);
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Algorithme de Dijkstra"));
        auto* edDepart = Enfant<QLineEdit>(dialogue, "ed_depart");
        QVERIFY(edDepart->text().isEmpty());
        QVERIFY(Activer(dialogue));
        QCOMPARE(QApplication::focusWidget(), edDepart);
        Taper(edDepart, QStringLiteral("Orléans"));
        QTest::keyClick(edDepart, Qt::Key_Return);
        QTest::keyClick(edDepart, Qt::Key_Escape);
        QVERIFY(dialogue.isVisible());
        QCOMPARE(depart.Texte(), std::string("ancien"));
        QTest::keyClick(edDepart, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Enfant<QLineEdit>(dialogue, "ed_arrive"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(depart.Texte(), std::string("Orl\xE9"
                                             "ans"));
        QCOMPARE(arrivee.Texte(), std::string("ABCDEFGHIJKLMNOPQRS"));
        QVERIFY(!dialogue.isVisible());
    }

    void noms_completesALaFrappeEtLeChoixEcritOctetPourOctet()
    {
        Tampon depart;
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, QStringLiteral("Algorithme de Dijkstra"), depart.octets, arrivee.octets);
        dialogue.ProposerNoms({QStringLiteral("Orléans"), QStringLiteral("Orange"), QStringLiteral("Paris")});
        QVERIFY(Activer(dialogue));
        auto* edDepart = Enfant<QLineEdit>(dialogue, "ed_depart");
        Taper(edDepart, QStringLiteral("or"));
        QCOMPARE(edDepart->completer()->completionCount(), 2);
        QTest::keyClick(edDepart, Qt::Key_Tab);
        auto* edArrivee = Enfant<QLineEdit>(dialogue, "ed_arrive");
        Taper(edArrivee, QStringLiteral("orl"));
        QCOMPARE(edArrivee->completer()->completionCount(), 1);
        // Enter takes the name offered, a second one answers.
        QTest::keyClick(edArrivee->completer()->popup(), Qt::Key_Down);
        QTest::keyClick(edArrivee->completer()->popup(), Qt::Key_Return);
        QCOMPARE(edArrivee->text(), QStringLiteral("Orléans"));
        QTest::keyClick(edArrivee, Qt::Key_Return);
        QCOMPARE(arrivee.Texte(), std::string("Orl\xE9"
                                              "ans"));

        // Nothing picked: one Enter answers what was typed, list open or not.
        TSuppressionArc saisie(nullptr, depart.octets, arrivee.octets);
        saisie.ProposerNoms({QStringLiteral("Paris"), QStringLiteral("Parme")});
        QVERIFY(Activer(saisie));
        edArrivee = Enfant<QLineEdit>(saisie, "ed_arrive");
        Taper(edArrivee, QStringLiteral("Paris"));
        QVERIFY(edArrivee->completer()->popup()->isVisible());
        QTest::keyClick(edArrivee->completer()->popup(), Qt::Key_Return);
        QVERIFY(!saisie.isVisible());
        QCOMPARE(arrivee.Texte(), std::string("Paris"));
    }

    void annuler_videLesDeuxTamponsMemeLeDepartFourni()
    {
        Tampon depart("A");
        Tampon arrivee("B");
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("C"));
        QTest::mouseClick(Enfant<QPushButton>(dialogue, "bt_Annuler"), Qt::LeftButton);
        QVERIFY(depart.Vide());
        QVERIFY(arrivee.Vide());
        QVERIFY(!dialogue.isVisible());
    }

    void echapDansArrivee_agitCommeAnnuler()
    {
        Tampon depart("A");
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("C"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(depart.Vide());
        QVERIFY(arrivee.Vide());
        QVERIFY(!dialogue.isVisible());
    }

    void caseDeFermeture_agitCommeAnnuler()
    {
        Tampon depart("A");
        Tampon arrivee;
        TSuppressionArc dialogue(nullptr, depart.octets, arrivee.octets);
        QVERIFY(Activer(dialogue));
        dialogue.close();
        QVERIFY(depart.Vide());
        QVERIFY(arrivee.Vide());
    }
};

QTEST_MAIN(TestSuppressionArc)
#include "TestSuppressionArc.moc"

#include "OutilsDialogue.h"
#include "TSaisieNom.h"

#include <QTimer>

class TestSaisieNom : public QObject {
    Q_OBJECT

private slots:
    void ouverture_titreGeometrieEtComposants()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Entrer le nom du sommet"));
        QCOMPARE(dialogue.pos(), QPoint(278, 241));
        QCOMPARE(dialogue.minimumSize(), QSize(337, 112));
        QCOMPARE(dialogue.maximumSize(), QSize(337, 112));
        const Qt::WindowFlags drapeaux = dialogue.windowFlags();
        QVERIFY(drapeaux & Qt::WindowCloseButtonHint);
        QVERIFY(!(drapeaux & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto* ok = Enfant<QPushButton>(dialogue, "btOk");
        auto* annuler = Enfant<QPushButton>(dialogue, "btAnnuler");
        auto* champ = Enfant<QLineEdit>(dialogue, "edChampNom");
        QVERIFY(ok && annuler && champ);
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QCOMPARE(annuler->text(), QStringLiteral("Annuler"));
        QCOMPARE(ok->geometry(), QRect(8, 56, 153, 41));
        QCOMPARE(annuler->geometry(), QRect(176, 56, 153, 41));
        QCOMPARE(champ->geometry(), QRect(8, 16, 321, 21));
        QCOMPARE(ChaineFocus(ok), (QStringList{"btOk", "btAnnuler", "edChampNom"}));
        QVERIFY(Activer(dialogue));
        QVERIFY(!ok->isDefault() && !annuler->isDefault());
    }

    void titreDonne_remplaceLeTitreParDefaut()
    {
        Tampon poids;
        TSaisieNom dialogue(nullptr, poids.octets, QStringLiteral("Entrez le poids de l'arc :"));
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Entrez le poids de l'arc :"));
    }

    void activation_metLeCurseurDansLeChamp()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QCOMPARE(QApplication::focusWidget(), Enfant<QLineEdit>(dialogue, "edChampNom"));
    }

    void ok_garde19DesCaracteresTapes()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
        QTest::mouseClick(Enfant<QPushButton>(dialogue, "btOk"), Qt::LeftButton);
        QCOMPARE(nom.Texte(), std::string("ABCDEFGHIJKLMNOPQRS"));
        QVERIFY(!dialogue.isVisible());
    }

    void ok_surUnChampVideRendUnNomVide()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QTest::mouseClick(Enfant<QPushButton>(dialogue, "btOk"), Qt::LeftButton);
        QVERIFY(nom.Vide());
    }

    void champ_accentsEnWindows1252EtCaracteresEtrangersRefuses()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        Taper(QApplication::focusWidget(), QStringLiteral("Ét\u03A9é€œ"));
        QCOMPARE(Enfant<QLineEdit>(dialogue, "edChampNom")->text(), QStringLiteral("Été€œ"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(nom.Texte(), std::string("\xC9t\xE9\x80\x9C"));
    }

    void entreeDansLeChamp_agitCommeOk()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(nom.Texte(), std::string("12"));
        QVERIFY(!dialogue.isVisible());
    }

    void echapDansLeChamp_videLeTampon()
    {
        Tampon nom("vieux");
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("B"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(nom.Vide());
        QVERIFY(!dialogue.isVisible());
    }

    void entreeEtEchapSurUnBouton_neFontRien()
    {
        Tampon nom("vieux");
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        auto* annuler = Enfant<QPushButton>(dialogue, "btAnnuler");
        annuler->setFocus();
        QTest::keyClick(annuler, Qt::Key_Return);
        QTest::keyClick(annuler, Qt::Key_Escape);
        QVERIFY(dialogue.isVisible());
        QCOMPARE(nom.Texte(), std::string("vieux"));
    }

    void caseDeFermeture_agitCommeAnnuler()
    {
        Tampon nom("vieux");
        TSaisieNom dialogue(nullptr, nom.octets);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("B"));
        dialogue.close();
        QVERIFY(nom.Vide());
        QVERIFY(!dialogue.isVisible());
    }

    void exec_rendLaMainApresOkAvecLaReponse()
    {
        Tampon nom;
        TSaisieNom dialogue(nullptr, nom.octets);
        QTimer::singleShot(0, &dialogue, [&dialogue] {
            if (!Activer(dialogue)) {
                dialogue.close();
                return;
            }
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lyon"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        dialogue.exec();
        QCOMPARE(nom.Texte(), std::string("Lyon"));
    }

    void instanceSansTampon_okEtAnnulerNeFontQueFermer()
    {
        TSaisieNom dialogue(nullptr);
        QVERIFY(Activer(dialogue));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialogue.isVisible());
    }
};

QTEST_MAIN(TestSaisieNom)
#include "TestSaisieNom.moc"

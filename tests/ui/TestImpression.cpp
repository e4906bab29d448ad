#include "Repondeur.h"

#include "TApercu.h"
#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
QString TexteEtat(TTrivaldo& cadre)
{
    return cadre.findChild<QLabel*>(QStringLiteral("Panneau"))->text();
}

void Declencher(TTrivaldo& cadre, const char* composant)
{
    cadre.findChild<QAction*>(QLatin1String(composant))->trigger();
}

struct Boite {
    QString titre;
    QString texte;
    QString etat;  // the status text while the box is open
};

// Notes the message box and closes it with OK.
Repondeur::Reponse Noter(Boite& boite, TTrivaldo& cadre)
{
    return [&boite, &cadre](QWidget* dialogue) {
        if (auto* message = qobject_cast<QMessageBox*>(dialogue))
            boite = {message->windowTitle(), message->text(), TexteEtat(cadre)};
        CliquerBouton(QMessageBox::Ok)(dialogue);
    };
}

// Confirms the print dialog with `copies` copies, noting what it proposed.
Repondeur::Reponse Imprimer(int copies, QString& fichierPropose, QString& etat, TTrivaldo& cadre)
{
    return [copies, &fichierPropose, &etat, &cadre](QWidget* dialogue) {
        auto* impression = qobject_cast<QPrintDialog*>(dialogue);
        auto* nombre = dialogue->findChild<QSpinBox*>(QStringLiteral("copies"));
        if (impression == nullptr || nombre == nullptr) {
            dialogue->close();
            return;
        }
        etat = TexteEtat(cadre);
        fichierPropose = impression->printer()->outputFileName();
        QCOMPARE(nombre->value(), 1);
        nombre->setValue(copies);
        impression->accept();
    };
}

int NombrePages(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray octets = fichier.readAll();
    return static_cast<int>(octets.count("/Type /Page\n") + octets.count("/Type /Page "));
}

bool Bleu(QRgb p)
{
    return qBlue(p) > 180 && qRed(p) < 100 && qGreen(p) < 100;
}
bool Rouge(QRgb p)
{
    return qRed(p) > 180 && qBlue(p) < 100 && qGreen(p) < 100;
}
bool Noir(QRgb p)
{
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}

int Compter(const QImage& image, QRect zone, bool (*choisir)(QRgb))
{
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x)
            n += choisir(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}
}  // namespace

class TestImpression : public QObject {
    Q_OBJECT

    std::unique_ptr<TTrivaldo> cadre;
    QTemporaryDir dossier;

    TFenetreGraphe* NouveauGraphe(const QString& fichier)
    {
        Repondeur repondeur;
        repondeur.Puis(CliquerBouton(QMessageBox::Yes));
        Declencher(*cadre, "Nouveau1");
        TFenetreGraphe* fenetre = cadre->FenetreActive();
        TGraphe& graphe = fenetre->Graphe();
        graphe.AjouterSommet("A", 40, 40);
        graphe.AjouterSommet("B", 160, 90);
        graphe.AjouterArc("A", "B", 7);
        graphe.FixerNomFichier(QFile::encodeName(fichier).toStdString());
        return fenetre;
    }
    QString Chemin(const char* nom) const { return dossier.filePath(QLatin1String(nom)); }

private slots:
    void init()
    {
        cadre = std::make_unique<TTrivaldo>();
        cadre->show();
        QVERIFY(QTest::qWaitForWindowExposed(cadre.get()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanup() { cadre.reset(); }

    void sansFenetre_aucunDialogueNiApercuSeulementLesEtats()
    {
        Repondeur repondeur;
        Declencher(*cadre, "bt_Imprimer");
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
        Declencher(*cadre, "bt_Dessin");
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
        Declencher(*cadre, "bt_Apercu");
        QVERIFY(cadre->findChildren<TApercu*>().isEmpty());
        QCOMPARE(repondeur.Vus(), 0);
    }

    void impression_unTravailDUnePageParCopieDansLeFichierPropose()
    {
        TFenetreGraphe* fenetre = NouveauGraphe(Chemin("reseau.gff"));
        fenetre->SousFenetre()->resize(500, 400);
        for (const int copies : {1, 2}) {
            QFile::remove(Chemin("reseau.pdf"));
            QString propose;
            QString etat;
            Repondeur repondeur;
            repondeur.Puis(Imprimer(copies, propose, etat, *cadre));
            Declencher(*cadre, "bt_Imprimer");
            QVERIFY(repondeur.ToutRepondu());
            QCOMPARE(etat, QStringLiteral("Impression d'un graphe."));
            QCOMPARE(propose, Chemin("reseau.pdf"));
            QCOMPARE(NombrePages(Chemin("reseau.pdf")), copies);
            QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
        }
        // Printing fitted the window to its graph.
        QCOMPARE(fenetre->size(), QSize(210, 140));
    }

    void impressionAnnulee_rienEtPret()
    {
        NouveauGraphe(Chemin("annule.gff"));
        Repondeur repondeur;
        repondeur.Puis([](QWidget* dialogue) { dialogue->close(); });
        Declencher(*cadre, "bt_Imprimer");
        QCOMPARE(repondeur.Vus(), 1);
        QVERIFY(!QFile::exists(Chemin("annule.pdf")));
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
    }

    void impressionImpossible_erreurDuSystemeEtEtatResteImpression()
    {
        NouveauGraphe(QStringLiteral("/dossier-absent/reseau.gff"));
        QString propose;
        QString etat;
        Boite boite;
        Repondeur repondeur;
        repondeur.Puis(Imprimer(1, propose, etat, *cadre));
        repondeur.Puis(Noter(boite, *cadre));
        Declencher(*cadre, "bt_Imprimer");
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(boite.titre, QStringLiteral("Quorvalent"));
        QVERIFY2(boite.texte.endsWith(QStringLiteral(" » : dossier introuvable.")), qPrintable(boite.texte));
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Impression d'un graphe."));
    }

    void apercu_fenetreDuCadreAvecLaPageEtLaFenetreAjustee()
    {
        TFenetreGraphe* fenetre = NouveauGraphe(Chemin("apercu.gff"));
        Declencher(*cadre, "bt_Apercu");
        Declencher(*cadre, "bt_Apercu");
        const QList<TApercu*> apercus = cadre->findChildren<TApercu*>();
        QCOMPARE(apercus.size(), 2);
        QVERIFY(apercus.first()->isVisible() && apercus.first()->isWindow());
        QCOMPARE(apercus.first()->windowTitle(), QStringLiteral("Aperçu avant impression"));
        QVERIFY(Compter(apercus.first()->Page(), apercus.first()->rect(), Bleu) > 0);
        QCOMPARE(fenetre->size(), QSize(210, 140));
    }

    void export_bmpDeLaTailleExterieureAvecLeGrapheDansLaPartieCliente()
    {
        TFenetreGraphe* fenetre = NouveauGraphe(Chemin("reseau.gff"));
        const QSize exterieur = fenetre->SousFenetre()->size();
        const QSize client = fenetre->size();
        for (const char* commande : {"bt_Dessin", "ExporterenBMP1"}) {
            QFile::remove(Chemin("reseau.bmp"));
            Boite boite;
            Repondeur repondeur;
            repondeur.Puis(Noter(boite, *cadre));
            Declencher(*cadre, commande);
            QCOMPARE(boite.titre, QStringLiteral("Exportation en BMP"));
            QCOMPARE(boite.texte, Chemin("reseau.bmp"));
            QCOMPARE(boite.etat, QStringLiteral("Exportation vers un fichier bitmap."));
            QCOMPARE(TexteEtat(*cadre), QStringLiteral("Prêt."));
            const QImage image(Chemin("reseau.bmp"), "BMP");
            QCOMPARE(image.size(), exterieur);
            const QRect partieCliente(QPoint(0, 0), client);
            QVERIFY(Compter(image, partieCliente, Bleu) > 0);
            QVERIFY(Compter(image, partieCliente, Rouge) > 0);
            QVERIFY(Compter(image, partieCliente, Noir) > 0);
            const int blancs = Compter(image, image.rect(), [](QRgb p) { return p == qRgb(255, 255, 255); });
            QCOMPARE(blancs + Compter(image, partieCliente, [](QRgb p) { return p != qRgb(255, 255, 255); }),
                     exterieur.width() * exterieur.height());
        }
    }

    void export_grapheJamaisEnregistreVersPointBmpDuDossierCourant()
    {
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dossier.path()));
        NouveauGraphe(QString());
        Boite boite;
        Repondeur repondeur;
        repondeur.Puis(Noter(boite, *cadre));
        Declencher(*cadre, "bt_Dessin");
        QDir::setCurrent(ancien);
        QCOMPARE(boite.texte, QStringLiteral(".bmp"));
        QVERIFY(QFile::exists(Chemin(".bmp")));
    }

    void exportImpossible_erreurDuSystemeEtEtatResteExportation()
    {
        NouveauGraphe(QStringLiteral("/dossier-absent/reseau.gff"));
        Boite boite;
        Repondeur repondeur;
        repondeur.Puis(Noter(boite, *cadre));
        Declencher(*cadre, "bt_Dessin");
        QVERIFY(repondeur.ToutRepondu());
        QCOMPARE(boite.titre, QStringLiteral("Quorvalent"));
        QCOMPARE(boite.texte,
                 QStringLiteral("Impossible d'écrire « /dossier-absent/reseau.bmp » : dossier introuvable."));
        QCOMPARE(TexteEtat(*cadre), QStringLiteral("Exportation vers un fichier bitmap."));
    }
};

QTEST_MAIN(TestImpression)
#include "TestImpression.moc"

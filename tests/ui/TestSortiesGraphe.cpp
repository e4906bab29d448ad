#include "SortiesGraphe.h"
#include "TApercu.h"

#include "core/FauxServices.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QRgb kBlanc = qRgb(255, 255, 255);

// A small oriented graph with a weight, drawn in black, blue and red.
struct Exemple {
    FauxServices fenetre;
    TGraphe graphe{fenetre};
    Exemple()
    {
        graphe.AjouterSommet("A", 40, 40);
        graphe.AjouterSommet("B", 160, 90);
        graphe.AjouterArc("A", "B", 7);
        fenetre.FixerTailleClient(210, 140);
    }
};

bool Contient(const QImage& image, QRect zone, bool (*choisir)(QRgb))
{
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (choisir(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

bool Noir(QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; }
bool Bleu(QRgb p) { return qBlue(p) > 180 && qRed(p) < 100 && qGreen(p) < 100; }
bool Rouge(QRgb p) { return qRed(p) > 180 && qBlue(p) < 100 && qGreen(p) < 100; }
bool PasBlanc(QRgb p) { return p != kBlanc; }

// Pages of a PDF as Qt writes it: one "/Type /Page" object each.
int NombrePages(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray octets = fichier.readAll();
    return static_cast<int>(octets.count("/Type /Page\n") + octets.count("/Type /Page\r") +
                            octets.count("/Type /Page "));
}

quint16 BitsParPixel(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray entete = fichier.read(30);
    return entete.size() < 30 ? 0 : static_cast<quint16>(static_cast<quint8>(entete[28]) | (static_cast<quint8>(entete[29]) << 8));
}
}  // namespace

class TestSortiesGraphe : public QObject {
    Q_OBJECT

private slots:
    void impression_unePageParCopieDansLeFichier()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("page.pdf"));
        for (const int copies : {1, 3}) {
            Exemple exemple;
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFileName(chemin);
            imprimante.setCopyCount(copies);
            QCOMPARE(ImprimerGraphe(exemple.graphe, imprimante), QString());
            QCOMPARE(NombrePages(chemin), copies);
            QCOMPARE(imprimante.docName(), QStringLiteral("Graphe"));
            QCOMPARE(imprimante.copyCount(), 1);
        }
    }

    void impression_fichierImpossibleDonneLErreurDuSysteme()
    {
        Exemple exemple;
        QPrinter imprimante;
        imprimante.setOutputFileName(QStringLiteral("/dossier-absent/page.pdf"));
        const QString erreur = ImprimerGraphe(exemple.graphe, imprimante);
        QVERIFY2(erreur.contains(QStringLiteral("No such file")), qPrintable(erreur));
    }

    void imagePage_titreGrapheEtRapportSurFondBlanc()
    {
        Exemple exemple;
        const QImage page = ImagePage(exemple.graphe, QSize(543, 768), 96);
        QCOMPARE(page.size(), QSize(543, 768));
        QCOMPARE(page.pixel(0, 0), kBlanc);
        // The graph spans the middle half of the width, from an eighth down.
        QVERIFY(Contient(page, QRect(135, 96, 272, 200), Bleu));
        QVERIFY(Contient(page, QRect(135, 96, 272, 200), Rouge));
        QVERIFY(Contient(page, QRect(0, 0, 543, 20), Noir));  // title frame
        QVERIFY(!Contient(page, QRect(0, 20, 130, 76), PasBlanc));
    }

    void exportBmp_tailleExterieureGrapheDansLaPartieClienteLeResteBlanc()
    {
        Exemple exemple;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("graphe.bmp"));
        const QSize exterieur(230, 175);
        const QSize client(210, 140);
        QCOMPARE(ExporterImageBmp(exemple.graphe, exterieur, client, chemin), QString());
        QCOMPARE(BitsParPixel(chemin), quint16{24});
        const QImage image(chemin, "BMP");
        QCOMPARE(image.size(), exterieur);
        const QRect partieCliente(QPoint(0, 0), client);
        QVERIFY(Contient(image, partieCliente, Bleu));
        QVERIFY(Contient(image, partieCliente, Rouge));
        QVERIFY(Contient(image, partieCliente, Noir));
        QVERIFY(!Contient(image, QRect(210, 0, 20, 175), PasBlanc));
        QVERIFY(!Contient(image, QRect(0, 140, 230, 35), PasBlanc));
    }

    void exportBmp_grapheHorsDeLaPartieClienteCoupe()
    {
        Exemple exemple;
        exemple.graphe.AjouterSommet("Loin", 200, 160);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("graphe.bmp"));
        QCOMPARE(ExporterImageBmp(exemple.graphe, QSize(230, 200), QSize(210, 140), chemin), QString());
        const QImage image(chemin, "BMP");
        QVERIFY(!Contient(image, QRect(210, 0, 20, 200), PasBlanc));
        QVERIFY(!Contient(image, QRect(0, 140, 230, 60), PasBlanc));
    }

    void exportBmp_deuxFoisRemplaceLeFichier()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("graphe.bmp"));
        {
            QFile ancien(chemin);
            QVERIFY(ancien.open(QIODevice::WriteOnly));
            ancien.write(QByteArray(500000, 'x'));
        }
        Exemple exemple;
        QCOMPARE(ExporterImageBmp(exemple.graphe, QSize(230, 175), QSize(210, 140), chemin), QString());
        exemple.graphe.SupprimerSommet("B");
        QCOMPARE(ExporterImageBmp(exemple.graphe, QSize(230, 175), QSize(210, 140), chemin), QString());
        const QImage image(chemin, "BMP");
        QCOMPARE(image.size(), QSize(230, 175));
        QVERIFY(!Contient(image, QRect(0, 0, 210, 140), Rouge));
        QVERIFY(QFile(chemin).size() < 500000);
    }

    void exportBmp_cheminImpossibleDonneLErreurDuSysteme()
    {
        Exemple exemple;
        const QString erreur = ExporterImageBmp(exemple.graphe, QSize(230, 175), QSize(210, 140),
                                                QStringLiteral("/dossier-absent/graphe.bmp"));
        QVERIFY2(erreur.contains(QStringLiteral("No such file")), qPrintable(erreur));
    }

    void apercu_feuilleDroiteCentreeEnHautAvecLaPage()
    {
        QWidget cadre;
        Exemple exemple;
        std::unique_ptr<TApercu> apercu(TApercu::Ouvrir(cadre, exemple.graphe));
        const QRect ecran = cadre.screen()->geometry();
        const int largeur = static_cast<int>(ecran.height() / 1.41428);
        QCOMPARE(apercu->geometry(), QRect(ecran.width() / 2 - largeur / 2, 0, largeur, ecran.height()));
        QCOMPARE(apercu->windowTitle(), QStringLiteral("Aperçu avant impression"));
        QVERIFY(apercu->isWindow());
        QCOMPARE(apercu->parentWidget(), &cadre);
        QCOMPARE(apercu->Page().size(), apercu->size());
        QVERIFY(Contient(apercu->Page(), apercu->rect(), Bleu));
        // Painted from the stored page, whatever covered it.
        const QImage vue = apercu->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(vue, apercu->Page().convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestSortiesGraphe)
#include "TestSortiesGraphe.moc"

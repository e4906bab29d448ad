#include "ExempleDessin.h"
#include "SortiesGraphe.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
quint16 BitsParPixel(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray entete = fichier.read(30);
    return entete.size() < 30
             ? 0
             : static_cast<quint16>(static_cast<quint8>(entete[28]) | (static_cast<quint8>(entete[29]) << 8));
}
}  // namespace

class TestSortiesGraphe : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(erreur, QStringLiteral("Impossible d'écrire « /dossier-absent/graphe.bmp » : dossier introuvable."));
    }

    // A FIFO under the export's name once held the desktop for good.
    void exportBmp_surUneFifoRefuseSansLOuvrir()
    {
        Exemple exemple;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("graphe.bmp"));
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        QCOMPARE(ExporterImageBmp(exemple.graphe, QSize(230, 175), QSize(210, 140), chemin),
                 QStringLiteral("Impossible d'écrire « %1 » : ce n'est pas un fichier ordinaire.").arg(chemin));
        QVERIFY(!QFileInfo(chemin).isFile() && QFileInfo::exists(chemin));
    }
};

QTEST_MAIN(TestSortiesGraphe)
#include "TestSortiesGraphe.moc"

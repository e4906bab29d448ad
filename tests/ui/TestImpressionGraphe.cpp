#include "ImpressionGraphe.h"
#include "SortiesGraphe.h"
#include "TApercu.h"

#include "dessin/ExempleDessin.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

#include <sys/stat.h>

namespace {
// A PDF file's bytes but for the time it was written.
QByteArray SansDate(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(fichier.readAll())
        .remove(QRegularExpression(QStringLiteral("/CreationDate \\(D:[^)]*\\)")))
        .toLatin1();
}

// A page's operators from the line of its first rectangle, the title's frame.
QByteArray DepuisLeCadre(const QByteArray& page)
{
    const qsizetype cadre = page.indexOf(" re\n");
    return cadre < 0 ? QByteArray() : page.mid(page.lastIndexOf('\n', cadre));
}
}  // namespace

class TestImpressionGraphe : public QObject {
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
            // Every copy drawn the same, from its title's frame on, down to
            // the pen of that first outline; a later page only restates the
            // engine's state first.
            const QList<QByteArray> pages = ContenusPages(chemin);
            QCOMPARE(pages.size(), copies);
            QVERIFY(!DepuisLeCadre(pages.front()).isEmpty());
            for (const QByteArray& page : pages)
                QCOMPARE(DepuisLeCadre(page), DepuisLeCadre(pages.front()));
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
        QCOMPARE(erreur, QStringLiteral("Impossible d'écrire « /dossier-absent/page.pdf » : dossier introuvable."));
        // A FIFO is refused before Qt opens it and waits for a reader.
        QTemporaryDir dossier;
        const QString fifo = dossier.filePath(QStringLiteral("page.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        imprimante.setOutputFileName(fifo);
        QCOMPARE(ImprimerGraphe(exemple.graphe, imprimante),
                 QStringLiteral("Impossible d'écrire « %1 » : ce n'est pas un fichier ordinaire.").arg(fifo));
    }

    // The batch tool writes its page without a printer: it must be the very
    // document the shell prints to a file.
    void pagePdf_memeDocumentQueLImprimanteVersUnFichier()
    {
        QTemporaryDir dossier;
        const QString parImprimante = dossier.filePath(QStringLiteral("imprimante.pdf"));
        const QString parDocument = dossier.filePath(QStringLiteral("document.pdf"));
        Exemple exemple;
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFileName(parImprimante);
        QCOMPARE(ImprimerGraphe(exemple.graphe, imprimante), QString());
        QCOMPARE(EcrirePagePdf(exemple.graphe, parDocument), QString());
        QVERIFY(!SansDate(parImprimante).isEmpty());
        QCOMPARE(SansDate(parDocument), SansDate(parImprimante));
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

QTEST_MAIN(TestImpressionGraphe)
#include "TestImpressionGraphe.moc"

#include "Repondeur.h"

#include "TFenetreGraphe.h"
#include "TTrivaldo.h"

#include "model/ServicesMuets.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <string>
#include <new>
#include <thread>

// Every allocation of this test program goes through here, so that the one
// numbered `avantEchec` from the moment it is set fails, on the main thread
// only: Qt's own threads go on undisturbed.
namespace {
long avantEchec = -1;
const std::thread::id filPrincipal = std::this_thread::get_id();
}  // namespace

void* operator new(std::size_t taille)
{
    if (avantEchec >= 0 && std::this_thread::get_id() == filPrincipal && avantEchec-- == 0)
        throw std::bad_alloc();
    if (void* bloc = std::malloc(taille == 0 ? 1 : taille))
        return bloc;
    throw std::bad_alloc();
}

void operator delete(void* bloc) noexcept
{
    std::free(bloc);
}

void operator delete(void* bloc, std::size_t) noexcept
{
    std::free(bloc);
}

namespace {
// Every field of every record, in list and chain order, and the flags.
std::string Contenu(const TGraphe& graphe)
{
    std::string contenu = std::to_string(graphe.NbSommets()) + ' ' + std::to_string(graphe.NbArcs())
                        + (graphe.Oriente() ? " o " : " n ") + graphe.NomFichier() + '\n';
    const auto ajouter = [&](const Sommet& r) {
        contenu += std::string(r.nom) + ' ' + std::to_string(r.x) + ' ' + std::to_string(r.y) + ' '
                 + std::to_string(r.valeur) + ' ' + std::to_string(r.compteur) + (r.marque ? " m\n" : "\n");
    };
    for (const Sommet& s : graphe.Sommets()) {
        ajouter(s);
        for (const Arc& a : Arcs(s))
            ajouter(a);
    }
    return contenu;
}
}  // namespace

class TestMemoire : public QObject {
    Q_OBJECT

private slots:
    // Out of memory at allocations in turn of a command that numbers the
    // vertices as it goes: the graph stays as it was and the user is told,
    // until the command has memory enough to complete.
    void allocationRefusee_grapheIntactEtMessage()
    {
        QTemporaryDir dossier;
        const QString source = dossier.filePath(QStringLiteral("sansCircuit.gff"));
        {
            ServicesMuets muet;
            TGraphe complet(muet);
            complet.FixerOriente(true);
            for (int i = 0; i < 12; ++i)
                complet.AjouterSommet(std::to_string(i).c_str(), 30 * i, 20 * (i % 3));
            for (int i = 0; i < 12; ++i)
                for (int j = i + 1; j < 12; ++j)
                    complet.AjouterArc(std::to_string(i).c_str(), std::to_string(j).c_str(), (i * 7 + j) % 10);
            QVERIFY(complet.Sauvegarder(source.toStdString()));
        }
        TTrivaldo cadre;
        cadre.show();
        cadre.OuvrirFichiers({source});
        TFenetreGraphe* fenetre = cadre.FenetreActive();
        TGraphe& graphe = fenetre->Graphe();
        const std::string avant = Contenu(graphe);
        QAction* numerotation = cadre.findChild<QAction*>(QStringLiteral("Numrotationtopologique1"));
        QVERIFY(numerotation != nullptr);

        int echecs = 0;
        // Every third allocation: the copy, the algorithm and the repaint
        // each meet some.
        for (long rang = 0; rang < 100000; rang += 3) {
            QStringList messages;
            Repondeur repondeur;
            repondeur.Puis([&](QWidget* dialogue) {
                messages << qobject_cast<QMessageBox*>(dialogue)->text() + QLatin1Char('|') + dialogue->windowTitle();
                dialogue->close();
            });
            avantEchec = rang;
            bool avantLaCommande = false;
            try {
                numerotation->trigger();
            } catch (const std::bad_alloc&) {
                avantLaCommande = true;
            }
            avantEchec = -1;
            // The failed allocation may be one of Qt's own, around the
            // command (it escapes) or inside it (Qt copes): the command then
            // either never started or completed.
            if (avantLaCommande && Contenu(graphe) == avant)
                continue;
            if (avantLaCommande || messages.isEmpty())
                break;
            QCOMPARE(messages.front(), QStringLiteral("Mémoire insuffisante : la commande « Numérotation topologique » "
                                                      "a été abandonnée.|Quorvalent"));
            QCOMPARE(Contenu(graphe), avant);
            QCOMPARE(cadre.FenetreActive(), fenetre);
            ++echecs;
        }
        QVERIFY2(echecs > 10, "the command allocates: some allocations must have failed");
        QVERIFY(Contenu(graphe) != avant);
    }
};

QTEST_MAIN(TestMemoire)
#include "TestMemoire.moc"

#include "PoliceEcran.h"
#include "Repondeur.h"
#include "TCanevasQt.h"
#include "TFenetreGraphe.h"
#include "model/ServicesMuets.h"
#include "render/DessinGraphe.h"

#include <QMdiArea>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <random>
#include <string>

// Repainting a part of a window, from the picture kept during a drag or by
// drawing only what reaches that part, must give the pixels of drawing the
// whole graph.

namespace {
// Names up to the longest, wide letters, numbers and weights of every
// length, loops and arcs running far out of any zone.
void Remplir(TGraphe& g, std::mt19937& alea, int sommets, int cote)
{
    std::uniform_int_distribution<int> position(0, cote);
    std::uniform_int_distribution<int> indice(0, sommets - 1);
    std::uniform_int_distribution<int32_t> poids(-2147483647, 2147483647);
    const std::string longs[] = {"WWWWWWWWWWWWWWWWWWW", "\xC6\x8C\x89\x97", "M"};
    for (int i = 0; i < sommets; ++i) {
        const std::string nom = std::to_string(i) + longs[i % 3].substr(0, size_t(i % 19) + 1);
        g.AjouterSommet(nom.substr(0, 19).c_str(), position(alea), position(alea));
    }
    std::vector<std::string> noms;
    for (Sommet& s : g.Sommets()) {
        noms.emplace_back(s.nom);
        s.valeur = indice(alea) % 4 == 0 ? poids(alea) : 0;
    }
    for (int k = 0; k < 3 * sommets; ++k) {
        const int a = indice(alea);
        const int b = k % 17 == 0 ? a : indice(alea);
        g.AjouterArc(noms[size_t(a)].c_str(), noms[size_t(b)].c_str(), k % 2 == 0 ? poids(alea) : k % 100);
    }
}

QImage Blanche(QSize taille)
{
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// As the window paints: the screen font and a thin black pen.
QImage Dessiner(const TGraphe& g, QSize taille, float echelle, const QRect* zone, QPoint decalage = {3, -2})
{
    QImage image = Blanche(taille);
    QPainter peintre(&image);
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(Qt::black, 1));
    TCanevasQt canevas(peintre);
    if (zone == nullptr) {
        DessinerGraphe(g, canevas, decalage.x(), decalage.y(), echelle);
        return image;
    }
    peintre.setClipRect(*zone);
    DessinerGrapheDans(g, canevas, decalage.x(), decalage.y(), echelle,
                       {zone->left(), zone->top(), zone->right(), zone->bottom()});
    return image;
}

// As Qt alone would paint the window into its frame's image: a pen given
// in other terms than red, green and blue keeps the lines out of the direct
// path, with the same pixels.
QImage DessinerParQt(const TGraphe& g, QSize cadre, QPoint place)
{
    QImage image = Blanche(cadre);
    QPainter peintre(&image);
    peintre.translate(place);
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(QColor::fromHsv(0, 0, 0), 1));
    TCanevasQt canevas(peintre);
    DessinerGraphe(g, canevas, 0, 0, 1.0f);
    return image;
}

// Drawn in a region of many parts, as a moved vertex's repaint asks.
QImage DessinerDans(const TGraphe& g, QSize taille, float echelle, const QRegion& region)
{
    QImage image = Blanche(taille);
    QPainter peintre(&image);
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(Qt::black, 1));
    peintre.setClipRegion(region);
    TCanevasQt canevas(peintre);
    std::vector<ZoneDessin> zones;
    for (const QRect& r : region)
        zones.push_back({r.left(), r.top(), r.right(), r.bottom()});
    DessinerGrapheDansZones(g, canevas, 3, -2, echelle, zones);
    return image;
}

// The image's pixels in the region, white elsewhere.
QImage Seulement(const QImage& image, const QRegion& region)
{
    QImage partie = Blanche(image.size());
    QPainter peintre(&partie);
    peintre.setClipRegion(region);
    peintre.drawImage(0, 0, image);
    peintre.end();
    return partie.convertToFormat(QImage::Format_RGB32);
}

// Where the windows take their frame to stand on screen: they keep a
// reference to it, so it outlives them all.
const int kOrigine = 0;

// A graph window alone in `zone`, shown at `taille`.
TFenetreGraphe* Montrer(QMdiArea& zone, QSize taille)
{
    zone.resize(taille);
    TFenetreGraphe* fenetre = TFenetreGraphe::Creer(zone, kOrigine, kOrigine);
    zone.show();
    return fenetre;
}

QImage Partie(const QImage& image, const QRect& zone)
{
    return image.copy(zone).convertToFormat(QImage::Format_RGB32);
}

// What the screen shows of the window, against the whole graph drawn directly.
void ComparerEcran(QMdiArea& zone, TFenetreGraphe* fenetre, const QImage& attendu)
{
    const QRect enVue(fenetre->mapTo(&zone, QPoint(0, 0)), fenetre->size());
    QVERIFY(zone.rect().contains(enVue));
    const QImage ecran = zone.screen()->grabWindow(zone.winId()).toImage().copy(enVue);
    QCOMPARE(ecran.convertToFormat(QImage::Format_RGB32), attendu.convertToFormat(QImage::Format_RGB32));
}
}  // namespace

class TestImageFenetre : public QObject {
    Q_OBJECT

private slots:
    void DessinDansUneZone_memesPixelsQueLeDessinEntier()
    {
        std::mt19937 alea(2026129);
        const QSize taille(700, 560);
        std::uniform_int_distribution<int> coin(-40, 650);
        std::uniform_int_distribution<int> cote(1, 220);
        for (const float echelle : {1.0f, 0.5f, 1.7f}) {
            ServicesMuets fenetre;
            TGraphe g{fenetre};
            Remplir(g, alea, 250, 600);
            g.FixerOriente(echelle != 0.5f);
            const QImage entier = Dessiner(g, taille, echelle, nullptr);
            for (int essai = 0; essai < 25; ++essai) {
                const QRect zone = QRect(coin(alea), coin(alea), cote(alea), cote(alea)).intersected(entier.rect());
                if (zone.isEmpty())
                    continue;
                QCOMPARE(Partie(Dessiner(g, taille, echelle, &zone), zone), Partie(entier, zone));
                // Small squares along a line across the picture, as a moved
                // vertex's arcs leave: whatever crosses them is drawn.
                QRegion region;
                const QPoint depuis(coin(alea), coin(alea));
                const QPoint vers(coin(alea), coin(alea));
                for (int pas = 0; pas <= 20; ++pas)
                    region += QRect(depuis + (vers - depuis) * pas / 20, QSize(1 + pas % 9, 1 + pas % 5));
                QCOMPARE(Seulement(DessinerDans(g, taille, echelle, region), region), Seulement(entier, region));
            }
        }
    }

    // The window paints into its frame's image, shifted, and a repaint is
    // clipped to the part uncovered: lines crossing its edge must stop
    // there as Qt's own do, or they would cover the texts drawn after them.
    // In a frame too small for the graph, lines also leave the frame's image,
    // where Qt cuts them.
    void RepeindreDesParties_ecranCommeLeDessinEntier()
    {
        for (const QSize cadre : {QSize(900, 700), QSize(330, 280)}) {
            QMdiArea zone;
            TFenetreGraphe* fenetre = Montrer(zone, cadre);
            QVERIFY(QTest::qWaitForWindowExposed(&zone));
            std::mt19937 alea(2026120);
            Remplir(fenetre->Graphe(), alea, 200, 420);
            fenetre->Graphe().AjusterFenetre();
            const QRect visible = fenetre->visibleRegion().boundingRect();
            QVERIFY(!visible.isEmpty());
            const QRect enVue(fenetre->mapTo(&zone, visible.topLeft()), visible.size());
            const QImage attendu =
                Partie(DessinerParQt(fenetre->Graphe(), cadre, fenetre->mapTo(&zone, QPoint(0, 0))), enVue);
            std::uniform_int_distribution<int> coin(-20, 400);
            std::uniform_int_distribution<int> cote(1, 150);
            for (int essai = 0; essai < 12; ++essai) {
                fenetre->repaint(QRect(coin(alea), coin(alea), cote(alea), cote(alea)));
                const QImage ecran = zone.screen()->grabWindow(zone.winId()).toImage().copy(enVue);
                QCOMPARE(Partie(ecran, ecran.rect()), attendu);
            }
        }
    }

    // The window shown, an arc dragged across it: what is on screen after
    // each move, the band's old places repainted from the kept picture, is
    // the whole graph drawn with the band over it.
    void GlisserUnArc_ecranCommeLeDessinDirect()
    {
        QMdiArea zone;
        TFenetreGraphe* fenetre = Montrer(zone, {900, 700});
        QVERIFY(QTest::qWaitForWindowExposed(&zone));
        std::mt19937 alea(9122026);
        Remplir(fenetre->Graphe(), alea, 150, 420);
        fenetre->Graphe().AjouterSommet("D", 460, 450);  // apart, so that the press takes it
        fenetre->Graphe().AjusterFenetre();
        QTest::mousePress(fenetre, Qt::LeftButton, {}, QPoint(460, 450));
        for (const QPoint vers : {QPoint(200, 150), QPoint(60, 300), QPoint(400, 90), QPoint(458, 452)}) {
            QTest::mouseMove(fenetre, vers);
            QImage attendu = Dessiner(fenetre->Graphe(), fenetre->size(), 1.0f, nullptr, {0, 0});
            QPainter peintre(&attendu);
            peintre.setPen(QPen(Qt::black, 1));
            peintre.drawLine(QPoint(460, 450), vers);
            peintre.end();
            ComparerEcran(zone, fenetre, attendu);
            if (QTest::currentTestFailed())
                return;
        }
        QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(460, 450));
    }

    // A vertex moved step by step, each step repainting only the places it
    // and its arcs leave and take: a loop, and long arcs to and from it that
    // cross the window, each other and the rest. The screen, made of those
    // repaints, is the whole graph drawn after each step.
    void DeplacerUnSommet_ecranCommeLeDessinDirect()
    {
        QMdiArea zone;
        TFenetreGraphe* fenetre = Montrer(zone, {900, 700});
        QVERIFY(QTest::qWaitForWindowExposed(&zone));
        std::mt19937 alea(20261209);
        TGraphe& g = fenetre->Graphe();
        Remplir(g, alea, 150, 420);
        std::vector<std::string> noms;
        for (const Sommet& s : g.Sommets())
            noms.emplace_back(s.nom);
        g.AjouterSommet("D", 460, 450);
        for (size_t i = 0; i < noms.size(); i += 19) {
            g.AjouterArc("D", noms[i].c_str(), int32_t(i) * 7919);
            g.AjouterArc(noms[(i + 7) % noms.size()].c_str(), "D", -int32_t(i));
        }
        g.AjouterArc("D", "D", 12);
        g.AjusterFenetre();
        Repondeur repondeur;
        repondeur.Puis(Choisir("Deplacer1"));
        QTest::mouseClick(fenetre, Qt::RightButton, {}, QPoint(460, 450));
        QVERIFY(repondeur.ToutRepondu());
        for (const QPoint vers :
             {QPoint(452, 441), QPoint(300, 200), QPoint(20, 400), QPoint(24, 396), QPoint(430, 15)}) {
            QMouseEvent deplacement(QEvent::MouseMove, vers, fenetre->mapToGlobal(vers), Qt::NoButton, Qt::NoButton,
                                    Qt::NoModifier);
            QCoreApplication::sendEvent(fenetre, &deplacement);
            QCOMPARE(g.ChercherSommet("D")->x, vers.x());
            ComparerEcran(zone, fenetre, Dessiner(g, fenetre->size(), 1.0f, nullptr, {0, 0}));
            if (QTest::currentTestFailed())
                return;
        }
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, QPoint(430, 15));
    }
};

QTEST_MAIN(TestImageFenetre)
#include "TestImageFenetre.moc"

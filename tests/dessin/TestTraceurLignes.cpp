#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "TraceurLignes.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {
void Blanchir(QImage& image)
{
    image.fill(image.format() == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
}

QImage ImageVierge(int largeur, int hauteur, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(largeur, hauteur, format);
    Blanchir(image);
    return image;
}

// Byte for byte, padding aside: the first differing pixel, or (-1, -1).
QPoint PremiereDifference(const QImage& a, const QImage& b)
{
    const auto octets = static_cast<size_t>(a.width()) * 4;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), octets) == 0)
            continue;
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QPoint(x, y);
        }
        return QPoint(0, y);  // same colours, different bytes
    }
    return QPoint(-1, -1);
}

QString Ligne(QPoint a, QPoint b)
{
    return QStringLiteral("(%1, %2) -> (%3, %4)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
}

struct Trait {
    QPoint depart;
    QPoint arrivee;
    QPen plume;
};

// Draws each line directly where it can (counting those) and through Qt
// otherwise into `direct`, and only through Qt into `reference`.
int TracerDesDeuxFacons(QImage& direct, QImage& reference, const std::vector<Trait>& traits,
                        QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver)
{
    int directs = 0;
    QPainter peintreDirect(&direct);
    QPainter peintreQt(&reference);
    peintreDirect.setCompositionMode(mode);
    peintreQt.setCompositionMode(mode);
    for (const Trait& t : traits) {
        peintreDirect.setPen(t.plume);
        peintreQt.setPen(t.plume);
        if (TracerLigneDirecte(peintreDirect, t.depart, t.arrivee))
            ++directs;
        else
            peintreDirect.drawLine(t.depart, t.arrivee);
        peintreQt.drawLine(t.depart, t.arrivee);
    }
    return directs;
}

bool Dans(const QImage& image, QPoint p)
{
    return image.rect().contains(p);
}

QPoint TrajetAuHasard(std::mt19937& alea, int longueurMaximale)
{
    const double longueur = std::uniform_int_distribution<int>(0, longueurMaximale)(alea);
    const double angle = std::uniform_real_distribution<double>(0, 2 * M_PI)(alea);
    return QPoint(qRound(longueur * std::cos(angle)), qRound(longueur * std::sin(angle)));
}

// A start keeping the whole line in the image where it fits, unless
// `deborder`: then anywhere, a little beyond the borders too.
QPoint DepartAuHasard(std::mt19937& alea, QSize taille, QPoint trajet, bool deborder)
{
    auto coordonnee = [&](int cote, int pas) {
        int bas = std::max(0, -pas);
        int haut = std::min(cote - 1, cote - 1 - pas);
        if (deborder || bas > haut) {
            bas = -100;
            haut = cote + 99;
        }
        return std::uniform_int_distribution<int>(bas, haut)(alea);
    };
    return QPoint(coordonnee(taille.width(), trajet.x()), coordonnee(taille.height(), trajet.y()));
}
}  // namespace

class TestTraceurLignes : public QObject {
    Q_OBJECT

private slots:
    // Every direction and slope up to 40 pixels, from the middle and from
    // each corner: octant boundaries, exact diagonals and every half-pixel
    // tie are among them, and the shape must not depend on where it lies.
    void lignesCourtes_chaqueDirectionMemesPixelsQueQt()
    {
        const QImage vierge = ImageVierge(83, 83);
        const QPoint origines[] = {{41, 41}, {0, 0}, {82, 0}, {0, 82}, {82, 82}};
        int comparees = 0;
        for (QPoint origine : origines) {
            for (int dy = -40; dy <= 40; ++dy) {
                for (int dx = -40; dx <= 40; ++dx) {
                    const QPoint fin = origine + QPoint(dx, dy) * (origine == QPoint(41, 41) ? 1 : 2);
                    if (!Dans(vierge, fin))
                        continue;
                    QImage direct = vierge;
                    QImage reference = vierge;
                    QCOMPARE(TracerDesDeuxFacons(direct, reference, {{origine, fin, QPen()}}), 1);
                    QVERIFY2(PremiereDifference(direct, reference) == QPoint(-1, -1), qPrintable(Ligne(origine, fin)));
                    ++comparees;
                }
            }
        }
        QVERIFY(comparees > 10000);
    }

    // Thousands of lines from 0 to 3000 pixels (a few to 100,000) in random
    // directions and colours, some leaving the image, cut by Qt at its edges,
    // over or replacing what lies beneath, in batches sparse enough that a
    // wrong pixel is seldom hidden under a later line.
    void lignesAleatoires_memesOctetsQueQt_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("RGB32") << int(QImage::Format_RGB32);
        QTest::newRow("ARGB32") << int(QImage::Format_ARGB32);
        QTest::newRow("ARGB32_Premultiplied") << int(QImage::Format_ARGB32_Premultiplied);
    }

    void lignesAleatoires_memesOctetsQueQt()
    {
        QFETCH(int, format);
        std::mt19937 alea(20261208u + static_cast<unsigned>(format));
        std::uniform_int_distribution<unsigned> couleur(0, 0xffffff);
        // Reused rather than copied: fresh memory for each batch would cost
        // more than the drawing.
        QImage direct = ImageVierge(2400, 2400, static_cast<QImage::Format>(format));
        QImage reference = direct.copy();
        int directs = 0;
        int total = 0;
        for (int lot = 0; lot < 10; ++lot) {
            std::vector<Trait> traits;
            for (int i = 0; i < 300; ++i) {
                const QPoint trajet = TrajetAuHasard(alea, i % 3 == 0 ? 30 : (i % 24 == 1 ? 100000 : 3000));
                const QPoint depart = DepartAuHasard(alea, direct.size(), trajet, i % 8 == 0);
                traits.push_back({depart, depart + trajet, QPen(QColor(QRgb(couleur(alea))), i % 2)});
            }
            Blanchir(direct);
            Blanchir(reference);
            const auto mode = lot % 2 == 0 ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Source;
            directs += TracerDesDeuxFacons(direct, reference, traits, mode);
            total += static_cast<int>(traits.size());
            const QPoint ecart = PremiereDifference(direct, reference);
            QVERIFY2(ecart == QPoint(-1, -1),
                     qPrintable(QStringLiteral("batch %1 differs at (%2, %3)").arg(lot).arg(ecart.x()).arg(ecart.y())));
        }
        QVERIFY2(directs > total * 3 / 4, qPrintable(QStringLiteral("only %1 direct lines").arg(directs)));
    }

    // Far from the origin the fixed-point position nears its 32-bit limit.
    void lignesLonguesDansUneTresGrandeImage_memesPixelsQueQt()
    {
        std::mt19937 alea(7);
        for (const QSize taille : {QSize(32767, 24), QSize(24, 32767)}) {
            std::uniform_int_distribution<int> x(0, taille.width() - 1);
            std::uniform_int_distribution<int> y(0, taille.height() - 1);
            QImage direct = ImageVierge(taille.width(), taille.height());
            QImage reference = direct.copy();
            for (int i = 0; i < 30; ++i) {
                const Trait t{QPoint(x(alea), y(alea)), QPoint(x(alea), y(alea)), QPen()};
                Blanchir(direct);
                Blanchir(reference);
                QCOMPARE(TracerDesDeuxFacons(direct, reference, {t}), 1);
                QVERIFY2(PremiereDifference(direct, reference) == QPoint(-1, -1),
                         qPrintable(Ligne(t.depart, t.arrivee)));
            }
        }
    }

    // An image over the caller's memory may have rows longer than its pixels:
    // lines along every border must land in the right rows and leave the
    // padding alone.
    void lignesAuxBordsDUneImageAuxLignesRembourrees_memesPixelsSansDeborder()
    {
        const int largeur = 61;
        const int hauteur = 47;
        const qsizetype pas = largeur * 4 + 36;
        std::vector<uchar> memoire(static_cast<size_t>(pas * hauteur), 0xAB);
        QImage direct(memoire.data(), largeur, hauteur, pas, QImage::Format_RGB32);
        Blanchir(direct);
        QImage reference = direct.copy();
        const QPoint coins[] = {{0, 0}, {largeur - 1, 0}, {largeur - 1, hauteur - 1}, {0, hauteur - 1}};
        std::vector<Trait> traits;
        for (QPoint a : coins) {
            for (QPoint b : coins)
                traits.push_back({a, b, QPen(Qt::darkGreen, 0)});
        }
        QCOMPARE(TracerDesDeuxFacons(direct, reference, traits), int(traits.size()));
        QCOMPARE(PremiereDifference(direct, reference), QPoint(-1, -1));
        for (int y = 0; y < hauteur; ++y) {
            const uchar* rembourrage = memoire.data() + y * pas + largeur * 4;
            const uchar* finDeLigne = memoire.data() + (y + 1) * pas;
            QVERIFY2(std::all_of(rembourrage, finDeLigne, [](uchar o) { return o == 0xAB; }),
                     qPrintable(QStringLiteral("padding of row %1 written").arg(y)));
        }
    }

    // Text drawn by the painter between direct lines, over and under them:
    // nothing the painter holds back may reorder them.
    void canevas_lignesEtTextesMelesCommeAvecQt()
    {
        QImage direct = ImageVierge(300, 120);
        QImage reference = direct;
        const QPoint points[] = {{5, 5}, {290, 100}, {10, 110}, {150, 2}, {40, 60}, {260, 30}};
        for (int facon = 0; facon < 2; ++facon) {
            QImage& image = facon == 0 ? direct : reference;
            QPainter peintre(&image);
            peintre.setPen(QPen(Qt::black, 1));
            peintre.setFont(PoliceEcran());
            TCanevasQt canevas(peintre);
            canevas.FixerCouleurPolice(CouleurRvb{200, 0, 0});
            for (int i = 0; i + 1 < 6; ++i) {
                canevas.EcrireTexte(points[i].x(), points[i].y(), "Sommet");
                if (facon == 0) {
                    canevas.DeplacerVers(points[i].x(), points[i].y());
                    canevas.TracerLigneVers(points[i + 1].x(), points[i + 1].y());
                } else {
                    peintre.drawLine(points[i], points[i + 1]);
                }
            }
        }
        QCOMPARE(PremiereDifference(direct, reference), QPoint(-1, -1));
    }

    // Whatever the direct path cannot reproduce exactly it must leave to Qt,
    // drawing nothing itself.
    void casNonGarantis_laissesAQt_data()
    {
        using Reglage = std::function<void(QPainter&)>;
        QTest::addColumn<Reglage>("regler");
        QTest::addColumn<int>("format");
        QTest::addColumn<QPoint>("arrivee");
        const int rgb32 = QImage::Format_RGB32;
        const QPoint dedans(30, 20);
        QTest::newRow("half-pixel shift") << Reglage([](QPainter& p) { p.translate(0.5, 0); }) << rgb32 << dedans;
        QTest::newRow("scale") << Reglage([](QPainter& p) { p.scale(1, 1.5); }) << rgb32 << dedans;
        QTest::newRow("clip") << Reglage([](QPainter& p) { p.setClipRect(0, 0, 50, 50); }) << rgb32 << dedans;
        QTest::newRow("antialiasing") << Reglage([](QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }) << rgb32
                                      << dedans;
        QTest::newRow("opacity") << Reglage([](QPainter& p) { p.setOpacity(0.5); }) << rgb32 << dedans;
        QTest::newRow("xor") << Reglage([](QPainter& p) {
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        }) << rgb32 << dedans;
        QTest::newRow("dashes") << Reglage([](QPainter& p) { p.setPen(Qt::DashLine); }) << rgb32 << dedans;
        QTest::newRow("wide pen") << Reglage([](QPainter& p) { p.setPen(QPen(Qt::black, 2)); }) << rgb32 << dedans;
        QTest::newRow("flat cap") << Reglage([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        }) << rgb32 << dedans;
        QTest::newRow("translucent") << Reglage([](QPainter& p) { p.setPen(QColor(0, 0, 0, 128)); }) << rgb32 << dedans;
        QTest::newRow("gradient") << Reglage([](QPainter& p) {
            p.setPen(QPen(QBrush(QLinearGradient(0, 0, 9, 9)), 1));
        }) << rgb32 << dedans;
        QTest::newRow("16-bit image") << Reglage([](QPainter&) {}) << int(QImage::Format_RGB16) << dedans;
    }

    void casNonGarantis_laissesAQt()
    {
        QFETCH(std::function<void(QPainter&)>, regler);
        QFETCH(int, format);
        QFETCH(QPoint, arrivee);
        QImage image = ImageVierge(40, 40, static_cast<QImage::Format>(format));
        const QImage avant = image.copy();
        QPainter peintre(&image);
        regler(peintre);
        QVERIFY(!TracerLigneDirecte(peintre, QPoint(2, 3), arrivee));
        peintre.end();
        QCOMPARE(image, avant);
    }

    // A copy taken while painting must keep the pixels of that moment, and
    // the painted image must go on receiving both kinds of drawing.
    void copiePendantLaPeinture_resteIntacte()
    {
        QImage image = ImageVierge(40, 40);
        QImage reference = image.copy();
        QPainter peintre(&image);
        const QImage copie = image;
        QVERIFY(TracerLigneDirecte(peintre, QPoint(2, 3), QPoint(30, 20)));
        peintre.drawLine(QPoint(1, 30), QPoint(35, 30));
        peintre.end();
        QCOMPARE(copie, ImageVierge(40, 40));
        {
            QPainter peintreQt(&reference);
            peintreQt.drawLine(QPoint(2, 3), QPoint(30, 20));
            peintreQt.drawLine(QPoint(1, 30), QPoint(35, 30));
        }
        QCOMPARE(image, reference);
    }

    void peintreInactif_refuseSansAvertir()
    {
        QPainter peintre;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(!TracerLigneDirecte(peintre, QPoint(2, 3), QPoint(30, 20)));
    }

    void imageADoubleDensite_laisseeAQt()
    {
        QImage image = ImageVierge(40, 40);
        image.setDevicePixelRatio(2);
        QPainter peintre(&image);
        QVERIFY(!TracerLigneDirecte(peintre, QPoint(2, 3), QPoint(10, 8)));
    }
};

QTEST_MAIN(TestTraceurLignes)
#include "TestTraceurLignes.moc"

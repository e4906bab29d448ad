#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "TexteCp1252.h"

#include "ExempleDessin.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The smallest rectangle holding the pixels that `choisir` picks.
template <typename Choix>
QRect Etendue(const QImage& image, Choix choisir)
{
    QRect etendue;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (choisir(image.pixel(x, y)))
                etendue |= QRect(x, y, 1, 1);
        }
    }
    return etendue;
}

QRect Etendue(const QImage& image, QRgb couleur)
{
    return Etendue(image, [couleur](QRgb p) { return p == couleur; });
}

// Antialiased text in blue: any pixel clearly bluer than it is red.
bool Bleute(QRgb p)
{
    return qBlue(p) > qRed(p) + 60;
}

QImage ImageBlanche()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

const QRgb kNoir = qRgb(0, 0, 0);
}  // namespace

class TestCanevasQt : public QObject {
    Q_OBJECT

private slots:
    void ellipse_couvreLaBoiteSaufSesBordsDroitEtBas()
    {
        QImage image = ImageBlanche();
        {
            QPainter peintre(&image);
            peintre.setBrush(Qt::red);
            TCanevasQt canevas(peintre);
            canevas.FixerPinceauTransparent();
            canevas.Ellipse(93, 53, 107, 67);
        }
        QCOMPARE(Etendue(image, kNoir), QRect(QPoint(93, 53), QPoint(106, 66)));
        QCOMPARE(image.pixel(100, 60), qRgb(255, 255, 255));  // hollow
    }

    void texte_coinHautGaucheAuPointEtCouleurDePoliceSansToucherLaPlume()
    {
        QImage image = ImageBlanche();
        {
            QPainter peintre(&image);
            peintre.setFont(PoliceEcran());
            TCanevasQt canevas(peintre);
            canevas.FixerPinceauTransparent();
            canevas.FixerCouleurPolice({0, 0, 255});
            canevas.EcrireTexte(20, 40, "HIJ");
            canevas.DeplacerVers(20, 100);
            canevas.TracerLigneVers(60, 100);
        }
        const QRect texte = Etendue(image, Bleute);
        QVERIFY2(texte.top() >= 40 && texte.top() <= 43, "text top not at the point");
        QVERIFY2(texte.left() >= 20 && texte.left() <= 22, "text left not at the point");
        QVERIFY(texte.bottom() < 40 + 11);
        QCOMPARE(Etendue(image, kNoir), QRect(QPoint(20, 100), QPoint(60, 100)));
    }

    void texte_fondTransparent()
    {
        QImage image = ImageBlanche();
        image.fill(Qt::yellow);
        {
            QPainter peintre(&image);
            peintre.setBackground(Qt::green);
            peintre.setBackgroundMode(Qt::OpaqueMode);
            TCanevasQt canevas(peintre);
            canevas.FixerPinceauTransparent();
            canevas.EcrireTexte(10, 10, "Moi");
        }
        QVERIFY(Etendue(image, qRgb(0, 255, 0)).isNull());
    }

    void texte_octetsWindows1252Convertis()
    {
        QImage image = ImageBlanche();
        QPainter peintre(&image);
        peintre.setFont(PoliceEcran());
        TCanevasQt canevas(peintre);
        QCOMPARE(canevas.LargeurTexte("\xE9t\xE9"), peintre.fontMetrics().horizontalAdvance(QStringLiteral("été")));
    }

    void rectangle_contourALaPlumeFondAuPinceauSansBordsDroitEtBas()
    {
        QImage image = ImageBlanche();
        {
            QPainter peintre(&image);
            peintre.setBrush(Qt::red);
            TCanevasQt canevas(peintre);
            canevas.Rectangle(10, 20, 30, 35);
        }
        QCOMPARE(Etendue(image, kNoir), QRect(QPoint(10, 20), QPoint(29, 34)));
        QCOMPARE(Etendue(image, qRgb(255, 0, 0)), QRect(QPoint(11, 21), QPoint(28, 33)));
    }

    // A painter just begun on a PDF holds a pen its engine has not taken:
    // the same box outlined before and after a coloured text must come out
    // the same, and with the pen asked for, not the engine's hairline.
    void plume_unContourIdentiqueAvantEtApresUnTexteSurPdf()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("plume.pdf"));
        {
            QPdfWriter document(chemin);
            QPainter peintre(&document);
            TCanevasQt canevas(peintre);
            canevas.FixerPlume({0, 0, 0}, 1);
            canevas.Rectangle(100, 100, 2101, 401);
            canevas.FixerCouleurPolice({255, 0, 0});
            canevas.EcrireTexte(200, 200, "A");
            canevas.Rectangle(100, 100, 2101, 401);
        }
        const QList<QByteArray> pages = ContenusPages(chemin);
        QCOMPARE(pages.size(), 1);
        // With no pen of its own, the engine fills a thin band around the
        // box instead of stroking it at the pen's width.
        const QRegularExpression contour(QStringLiteral("\\b1 w [^\\n]*\\n100 100 2000 300 re\\nS\\n"));
        QCOMPARE(QString::fromLatin1(pages.front()).count(contour), 2);
    }

    void policePage_hauteurEnPixelsCelluleEntiereTailleEnPointsSelonLaResolution()
    {
        QImage image = ImageBlanche();
        image.setDotsPerMeterY(qRound(600 / 0.0254));
        QPainter peintre(&image);
        TCanevasQt canevas(peintre);
        canevas.FixerNomPolice("Arial");
        QCOMPARE(QFontInfo(peintre.font()).family(), QStringLiteral("Liberation Sans"));
        canevas.FixerHauteurPolice(160);
        QVERIFY2(std::abs(canevas.HauteurTexte("Titre") - 160) <= 2, "cell height far from the one asked");
        QCOMPARE(canevas.ResolutionVerticale(), 600);
        canevas.FixerTaillePolice(10);
        // 10 points at 600 dpi: an em of 83 pixels, a cell of about 1.15 em.
        QCOMPARE(QFontInfo(peintre.font()).pixelSize(), 83);
        QVERIFY(canevas.HauteurTexte("Rapport") > 83 && canevas.HauteurTexte("Rapport") < 100);
        QCOMPARE(QFontInfo(peintre.font()).family(), QStringLiteral("Liberation Sans"));
    }

    void police_ecranOnzePixelsSansSerif()
    {
        const QFont police = PoliceEcran();
        QCOMPARE(police.pixelSize(), 11);
        QCOMPARE(QFontInfo(police).pixelSize(), 11);
        QVERIFY(!QFont::substitutes(QStringLiteral("MS Sans Serif")).isEmpty());
    }

    void cp1252_chaqueOctetFaitLAllerRetour()
    {
        std::string octets;
        for (int i = 1; i < 256; ++i)
            octets += static_cast<char>(i);
        const QString texte = DepuisCp1252(octets);
        QCOMPARE(texte.size(), 255);
        QCOMPARE(texte.at(0x80 - 1), QChar(0x20AC));
        QCOMPARE(texte.at(0xE9 - 1), QChar(0xE9));
        QVERIFY(VersCp1252(texte) == octets);
        QVERIFY(VersCp1252(QStringLiteral("a\u03A9b")) == "a?b");
    }

    void nom_ecritCoupeA19OctetsEtTermine()
    {
        char nom[20];
        std::memset(nom, '#', sizeof nom);
        EcrireNom(QStringLiteral("éééééééééééééééééééééééé"), nom);
        QCOMPARE(strnlen(nom, 20), size_t{19});
        QCOMPARE(static_cast<unsigned char>(nom[18]), 0xE9u);
        QCOMPARE(LireNom(nom), QString(19, QChar(0xE9)));
    }

    void caracteresDeNom_ceuxDuCodePageSaufLesControles()
    {
        QVERIFY(EstCaractereDeNom(U'a'));
        QVERIFY(EstCaractereDeNom(U'é'));
        QVERIFY(EstCaractereDeNom(U'€'));
        QVERIFY(EstCaractereDeNom(U'œ'));
        QVERIFY(!EstCaractereDeNom(U'\u03A9'));
        QVERIFY(!EstCaractereDeNom(U'\0'));
        QVERIFY(!EstCaractereDeNom(U'\t'));
        QVERIFY(!EstCaractereDeNom(U'\u0081'));
        QVERIFY(!EstCaractereDeNom(U'\U0001F600'));
    }
};

QTEST_MAIN(TestCanevasQt)
#include "TestCanevasQt.moc"

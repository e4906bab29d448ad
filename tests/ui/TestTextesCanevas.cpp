#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "TexteCp1252.h"

#include <QImage>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>
#include <random>
#include <string>
#include <vector>

// The canvas keeps texts it has laid out once; whatever it keeps, its texts
// must come out as QPainter::drawText at the baseline would draw them, to
// the byte, and measure as QFontMetrics does.

namespace {
using Textes = std::vector<std::string>;

Textes TextesVaries()
{
    // Kerning pairs, the code page's upper half with the euro sign and the
    // bytes it leaves undefined, soft hyphens, tabs and controls.
    Textes textes = {"",
                     " ",
                     "  a b  ",
                     "AV",
                     "To",
                     "Wa",
                     "LT",
                     "Yo",
                     "AVATAR",
                     "Tour",
                     "-1",
                     "-2147483648",
                     "2147483647",
                     "0",
                     "S0",
                     "S9999",
                     "S12[3]",
                     "[-7]",
                     "\xE9t\xE9",
                     "\x80",
                     "S\x80",
                     "\x80\x81\x8D\x8F\x90\x9D",
                     "\x8A\x8C\x8E\x9A\x9C\x9E\x9F",
                     "\xC0\xC9\xCE\xD5\xDC\xFF",
                     "\xAB guillemets \xBB",
                     "\xA0",
                     "a\xA0",
                     "co\xADt",
                     "fin\xAD",
                     "\xAD",
                     "a\xAD ",
                     "a\xAD\xAD",
                     "\x80\xAD\x80",
                     "x\t",
                     " \t",
                     "tab\tulation",
                     "ligne\nsuivante",
                     "fin\n",
                     "retour\r",
                     "a\rb",
                     "\x0B\x0C",
                     "\x01\x02\x7F"};
    std::string controles;
    for (char c = 1; c < 0x20; ++c)
        controles += c;
    textes.push_back(controles);
    textes.push_back("a" + controles + "b");
    for (int n = -50; n <= 250; n += 3)
        textes.push_back(std::to_string(n));
    std::mt19937 alea(1252);
    std::uniform_int_distribution<int> longueur(1, 19);
    std::uniform_int_distribution<int> octet(0x20, 0xFF);
    for (int k = 0; k < 120; ++k) {
        std::string texte(static_cast<size_t>(longueur(alea)), ' ');
        for (char& c : texte)
            c = static_cast<char>(octet(alea));
        textes.push_back(texte);
    }
    return textes;
}

// One text per cell of a grid, each text three times, so that it is drawn
// afresh, laid out to be kept, then taken from what was kept, shifted by a
// pixel or two in turn.
constexpr size_t kPassages = 3;

struct Grille {
    int largeurCellule;
    int hauteurCellule;
    int colonnes;

    QPoint Position(size_t rang) const
    {
        const int r = static_cast<int>(rang);
        return {(r % colonnes) * largeurCellule + r % 3 - 1, (r / colonnes) * hauteurCellule + r % 5};
    }
    QSize Taille(size_t nombre) const
    {
        return {colonnes * largeurCellule, (static_cast<int>(nombre) / colonnes + 2) * hauteurCellule};
    }
};

QImage ImageBlanche(QSize taille, int dpi)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

const QColor kCouleurs[] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 0)};

CouleurRvb Rvb(const QColor& c)
{
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())};
}

// What the canvas did before it kept anything: shape and draw each call.
void EcrireParDrawText(QPainter& peintre, const Textes& textes, const Grille& grille)
{
    for (size_t i = 0; i < kPassages * textes.size(); ++i) {
        const QPoint p = grille.Position(i);
        peintre.setPen(kCouleurs[i % 3]);
        peintre.drawText(QPointF(p.x(), p.y() + peintre.fontMetrics().ascent()),
                         DepuisCp1252(textes[i % textes.size()]));
    }
}

void EcrireParCanevas(TCanevasQt& canevas, const Textes& textes, const Grille& grille)
{
    for (size_t i = 0; i < kPassages * textes.size(); ++i) {
        const QPoint p = grille.Position(i);
        canevas.FixerCouleurPolice(Rvb(kCouleurs[i % 3]));
        canevas.EcrireTexte(p.x(), p.y(), textes[i % textes.size()]);
    }
}

// Where two images first differ, and the text drawn there, for a readable
// failure.
QString PremiereDifference(const QImage& a, const QImage& b, const Textes& textes, const Grille& grille)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            const size_t rang =
                static_cast<size_t>((y / grille.hauteurCellule) * grille.colonnes + x / grille.largeurCellule);
            return QStringLiteral("first difference at (%1, %2), near \"%3\"")
                .arg(x)
                .arg(y)
                .arg(QString::fromLatin1(QByteArray::fromStdString(textes[rang % textes.size()]).toHex(' ')));
        }
    }
    return {};
}

#define COMPARER_IMAGES(a, b, textes, grille) QVERIFY2((a) == (b), qPrintable(PremiereDifference(a, b, textes, grille)))

// Draws the texts both ways in the font `choisir` sets on the canvas's
// painter, the reference painter taking the very same font.
void ComparerRoutes(const Textes& textes, const Grille& grille, int dpi,
                    const std::function<void(TCanevasQt&, QPainter&)>& choisir)
{
    QImage attendue = ImageBlanche(grille.Taille(textes.size() * kPassages), dpi);
    QImage obtenue = attendue;
    {
        QPainter peintre(&obtenue);
        peintre.setFont(PoliceEcran());
        TCanevasQt canevas(peintre);
        choisir(canevas, peintre);
        QPainter reference(&attendue);
        reference.setFont(peintre.font());
        reference.setTransform(peintre.transform());
        EcrireParDrawText(reference, textes, grille);
        EcrireParCanevas(canevas, textes, grille);
        for (const std::string& texte : textes) {
            const int largeur = peintre.fontMetrics().horizontalAdvance(DepuisCp1252(texte));
            QCOMPARE(canevas.LargeurTexte(texte), largeur);
            QCOMPARE(canevas.LargeurTexte(texte), largeur);
        }
    }
    COMPARER_IMAGES(obtenue, attendue, textes, grille);
}

// A widget painting the texts one way or the other, placed inside a parent
// so that its painter starts translated, as a window's client area does.
class Temoin : public QWidget {
public:
    Temoin(QWidget* parent, const Textes& textes_, bool parCanevas_)
        : QWidget(parent), textes(textes_), parCanevas(parCanevas_)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        peintre.setFont(PoliceEcran());
        if (!parCanevas) {
            EcrireParDrawText(peintre, textes, kGrilleTemoin);
            return;
        }
        TCanevasQt canevas(peintre);
        EcrireParCanevas(canevas, textes, kGrilleTemoin);
    }

private:
    static constexpr Grille kGrilleTemoin{150, 16, 4};
    const Textes& textes;
    const bool parCanevas;
};

QImage ImageTemoin(const Textes& textes, bool parCanevas)
{
    QWidget cadre;
    cadre.resize(640, 480);
    Temoin temoin(&cadre, textes, parCanevas);
    temoin.setGeometry(13, 7, 600, 460);
    return cadre.grab().toImage();
}

const Grille kGrilleEcran{150, 16, 8};
const Grille kGrillePage{1500, 170, 3};
}  // namespace

class TestTextesCanevas : public QObject {
    Q_OBJECT

private slots:
    void policeEcran_memesPixelsEtLargeursQueDrawText()
    {
        ComparerRoutes(TextesVaries(), kGrilleEcran, 96, [](TCanevasQt&, QPainter&) {});
    }

    void policesDePage_memesPixelsEtLargeursQueDrawText()
    {
        const Textes varies = TextesVaries();
        const Textes textes(varies.begin(), varies.begin() + 60);
        ComparerRoutes(textes, kGrillePage, 600, [](TCanevasQt& canevas, QPainter&) {
            canevas.FixerNomPolice("Arial");
            canevas.FixerTaillePolice(8);
        });
        ComparerRoutes(textes, kGrillePage, 600, [](TCanevasQt& canevas, QPainter&) {
            canevas.FixerNomPolice("Arial");
            canevas.FixerHauteurPolice(160);
        });
    }

    void widget_memesPixelsQueDrawText()
    {
        const Textes varies = TextesVaries();
        const Textes textes(varies.begin(), varies.begin() + 80);
        QCOMPARE(ImageTemoin(textes, true), ImageTemoin(textes, false));
    }

    // A printer shapes at each call, as before; its texts must still reach
    // the file, with their face embedded.
    void imprimante_textesDansLeFichier()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("textes.pdf"));
        QPrinter imprimante;
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(chemin);
        {
            QPainter peintre(&imprimante);
            TCanevasQt canevas(peintre);
            canevas.FixerNomPolice("Arial");
            canevas.FixerTaillePolice(10);
            for (int k = 0; k < 3; ++k)
                canevas.EcrireTexte(100, 100 + 200 * k, "12");
        }
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray contenu = fichier.readAll();
        QVERIFY(contenu.contains("/FontFile2"));
        QVERIFY(contenu.contains("LiberationSans"));
    }

    // A scaled painter gets no kept glyphs, but the same text as drawText.
    void peintreAgrandi_memesPixelsQueDrawText()
    {
        ComparerRoutes(TextesVaries(), {230, 24, 8}, 96,
                       [](TCanevasQt&, QPainter& peintre) { peintre.scale(1.5, 1.5); });
    }

    // Past the number of texts kept, the canvas starts afresh in the middle
    // of the drawing: what it draws must not change.
    void milliersDeNoms_memesPixelsQueDrawText()
    {
        Textes textes;
        for (int n = 0; n < 17000; ++n)
            textes.push_back(std::to_string(n % 16500).insert(0, 1, 'S'));
        ComparerRoutes(textes, {60, 2, 20}, 96, [](TCanevasQt&, QPainter&) {});
    }

    void peintreInactif_rienEtSansPlantage()
    {
        QPainter peintre;
        TCanevasQt canevas(peintre);
        canevas.EcrireTexte(0, 0, "12");
        canevas.EcrireTexte(0, 0, "12");
        QVERIFY(!peintre.isActive());
    }

    // Whoever changes the font, the texts already kept must not stay.
    void policeChangeeEnCoursDeDessin_textesSuivantsDansLaNouvelle()
    {
        const Textes textes = {"AV", "12", "\xE9t\xE9", "S1"};
        const Grille grille{60, 40, 4};
        QImage attendue = ImageBlanche({240, 300}, 96);
        QImage obtenue = attendue;
        {
            QPainter peintre(&obtenue);
            QPainter reference(&attendue);
            peintre.setFont(PoliceEcran());
            reference.setFont(PoliceEcran());
            TCanevasQt canevas(peintre);
            const auto phase = [&] {
                EcrireParCanevas(canevas, textes, grille);
                EcrireParDrawText(reference, textes, grille);
                QCOMPARE(canevas.LargeurTexte("AV"), reference.fontMetrics().horizontalAdvance(QStringLiteral("AV")));
                peintre.translate(0, 100);
                reference.translate(0, 100);
            };
            phase();
            QFont grande = PoliceEcran();
            grande.setPixelSize(23);
            peintre.setFont(grande);  // behind the canvas's back
            reference.setFont(grande);
            phase();
            canevas.FixerTaillePolice(20);
            reference.setFont(peintre.font());
            phase();
        }
        COMPARER_IMAGES(obtenue, attendue, textes, grille);
    }
};

QTEST_MAIN(TestTextesCanevas)
#include "TestTextesCanevas.moc"

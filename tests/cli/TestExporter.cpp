#include "cli/OutilCli.h"

#include <QColor>
#include <QImage>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
// A at (100, 60), B at (200, 60) and the arc A to B of weight 7.
void Paire(TGraphe& g)
{
    g.AjouterSommet("A", 100, 60);
    g.AjouterSommet("B", 200, 60);
    g.AjouterArc("A", "B", 7);
}

// Whether some pixel of the rectangle satisfies `critere`.
template <typename Critere>
bool Contient(const QImage& image, QRect zone, Critere critere)
{
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (critere(image.pixelColor(x, y)))
                return true;
    return false;
}

bool EstBleu(QColor c)
{
    return c.blue() > 180 && c.red() < 120 && c.green() < 120;
}
bool EstRouge(QColor c)
{
    return c.red() > 180 && c.green() < 120 && c.blue() < 120;
}
bool EstSombre(QColor c)
{
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
}  // namespace

TEST_F(TestCli, Exporter_pngEtBmp_fondBlancTailleAjusteeEtDessinDeLaFenetre)
{
    Ecrire("p.gff", true, Paire);
    ASSERT_EQ(Lancer({"exporter", "p.gff", "p.png"}).statut, 0);
    const Execution bmp = Lancer({"exporter", "p.gff", "p.BMP"});
    ASSERT_EQ(bmp.statut, 0) << bmp.erreurs;
    EXPECT_EQ(bmp.sortie + bmp.erreurs, "") << "Qt's own notes stay quiet";

    const QImage png(QString::fromStdString(Chemin("p.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(250, 110)) << "50 pixels beyond the largest coordinates";
    EXPECT_EQ(png.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(png.pixelColor(249, 109), QColor(Qt::white));
    EXPECT_TRUE(EstSombre(png.pixelColor(93, 60))) << "the left edge of A's circle";
    EXPECT_TRUE(EstSombre(png.pixelColor(150, 60))) << "the line from A to B";
    EXPECT_TRUE(Contient(png, QRect(90, 75, 20, 15), EstBleu)) << "A's label under it";
    EXPECT_TRUE(Contient(png, QRect(148, 58, 20, 18), EstRouge)) << "the weight at the middle of the line";

    const QImage bmpLue(QString::fromStdString(Chemin("p.BMP")), "BMP");
    EXPECT_EQ(bmpLue.convertToFormat(QImage::Format_RGB32), png.convertToFormat(QImage::Format_RGB32));
}

TEST_F(TestCli, Exporter_svg_vectorielALaTailleDeLaFenetre)
{
    Ecrire("p.gff", true, Paire);
    const Execution e = Lancer({"exporter", "p.gff", "p.svg"});
    ASSERT_EQ(e.statut, 0) << e.erreurs;
    const std::string svg = Lire(Chemin("p.svg"));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("viewBox=\"0 0 250 110\""), std::string::npos);
    EXPECT_NE(svg.find(">7</text>"), std::string::npos) << "the weight is text";
    EXPECT_NE(svg.find(">A</text>"), std::string::npos);
}

TEST_F(TestCli, Exporter_formatInconnuImageImpossibleOuFichierIllisible_refuses)
{
    Ecrire("p.gff", true, Paire);
    const Execution jpg = Lancer({"exporter", "p.gff", "p.jpg"});
    EXPECT_EQ(jpg.statut, 2);
    EXPECT_EQ(jpg.erreurs.rfind("quorvalent-cli : format d'image inconnu (.bmp, .png ou .svg) : p.jpg\n", 0), 0u);

    const Execution sansDossier = Lancer({"exporter", "p.gff", "absent/p.png"});
    EXPECT_EQ(sansDossier.statut, 3);
    EXPECT_EQ(sansDossier.erreurs,
              "absent/p.png : l'image ne peut être enregistrée.\n"
              "Impossible d'écrire « absent/p.png » : dossier introuvable.\n");
    EXPECT_EQ(Lancer({"exporter", "p.gff", "absent/p.svg"}).statut, 3);

    const Execution absent = Lancer({"exporter", "absent.gff", "a.png"});
    EXPECT_EQ(absent.statut, 3);
    EXPECT_FALSE(std::filesystem::exists(Chemin("a.png")));
}

// Copied without its drawing half, the tool still answers in text and
// says which program it misses instead of drawing nothing silently.
TEST_F(TestCli, DessinSansSonProgramme_echecNommantLeProgrammeAttendu)
{
    Ecrire("p.gff", true, Paire);
    std::filesystem::copy_file(QUORVALENT_CLI, Chemin("quorvalent-cli"));
    for (const auto& [commande, sortie] : {std::pair{"exporter", "p.png"}, {"imprimer", "p.pdf"}}) {
        const Execution seul = Executer({Chemin("quorvalent-cli"), commande, "p.gff", sortie});
        EXPECT_EQ(seul.statut, 3) << commande;
        EXPECT_FALSE(std::filesystem::exists(Chemin(sortie)));
        EXPECT_EQ(seul.erreurs, "quorvalent-cli : le programme de dessin ne peut être lancé : "
                                    + (dossier.parent_path() / "libexec/quorvalent/quorvalent-cli-dessin").string()
                                    + "\n");
    }
    EXPECT_EQ(Executer({Chemin("quorvalent-cli"), "rapport", "p.gff"}).statut, 0);
}

TEST_F(TestCli, Exporter_coordonneesExtremes_echecSansPlantage)
{
    Ecrire("loin.gff", true, [](TGraphe& g) {
        g.AjouterSommet("A", INT_MAX, INT_MAX);
        g.AjouterSommet("B", INT_MIN, INT_MIN);
        g.AjouterArc("A", "B", 1);
    });
    const Execution e = Lancer({"exporter", "loin.gff", "loin.png"});
    EXPECT_EQ(e.statut, 3);
    EXPECT_EQ(e.erreurs, "loin.png : l'image ne peut être créée (2147483647 × 2147483647 pixels).\n");

    // Some 12 GB of pixels: refused before anything is claimed.
    Ecrire("large.gff", true, [](TGraphe& g) { g.AjouterSommet("A", 60000, 50000); });
    const Execution large = Lancer({"exporter", "large.gff", "large.bmp"});
    EXPECT_EQ(large.statut, 3);
    EXPECT_EQ(large.erreurs, "large.bmp : l'image ne peut être créée (60050 × 50050 pixels).\n");
}

TEST_F(TestCli, Imprimer_unePageEnPdf_etUnDossierAbsentEchoue)
{
    Ecrire("p.gff", true, Paire);
    const Execution page = Lancer({"imprimer", "p.gff", "page.pdf"});
    ASSERT_EQ(page.statut, 0) << page.erreurs;
    EXPECT_EQ(page.sortie + page.erreurs, "");
    std::ifstream pdf(Chemin("page.pdf"), std::ios::binary);
    const std::string contenu((std::istreambuf_iterator<char>(pdf)), {});
    EXPECT_EQ(contenu.substr(0, 5), "%PDF-");
    EXPECT_NE(contenu.find("/Count 1"), std::string::npos) << "one page";

    const Execution absent = Lancer({"imprimer", "p.gff", "absent/page.pdf"});
    EXPECT_EQ(absent.statut, 3);
    EXPECT_NE(absent.erreurs.find("absent/page.pdf"), std::string::npos);
}

TEST_F(TestCli, ExporterEtImprimer_surLaSortieStandardAvecFormat)
{
    Ecrire("p.gff", true, Paire);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"exporter", "--format", "png", "p.gff", "-"}, "\x89PNG"},
        {{"exporter", "p.gff", "-", "--format", "bmp"}, "BM"},
        {{"exporter", "--format", "svg", "-", "-"}, "<?xml"},
        {{"imprimer", "p.gff", "-", "--format", "pdf"}, "%PDF-"},
    };
    for (const auto& [ligne, debut] : cas) {
        const Execution e = Lancer(ligne, Chemin("p.gff"));
        EXPECT_EQ(e.statut, 0) << ligne[2] << e.erreurs;
        EXPECT_EQ(e.sortie.rfind(debut, 0), 0u) << debut;
    }
    EXPECT_EQ(Lancer({"exporter", "p.gff", "p.png"}, "/dev/null").sortie, "") << "a file leaves the output empty";
    for (const std::vector<std::string>& refus : {std::vector<std::string>{"exporter", "p.gff", "-"},
                                                  {"exporter", "--format", "gif", "p.gff", "-"},
                                                  {"exporter", "--format", "png", "p.gff", "p.svg"},
                                                  {"imprimer", "--format", "png", "p.gff", "-"}})
        EXPECT_EQ(Lancer(refus).statut, 2) << refus[2];
}

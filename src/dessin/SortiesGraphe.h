#pragma once

#include <QImage>
#include <QPageLayout>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;
class TGraphe;

// The graph on paper and in files: the page and the window's picture.
// Failures come back as the platform's error text, empty on success.

// The title of a printed page: the printer's job, the PDF document.
inline const QString kTitrePage = QStringLiteral("Graphe");

// Draws the page on a painter begun on a page device, over the device's
// whole size, with a white brush; the page sets its own pen.
void DessinerPageSur(TGraphe& graphe, QPainter& peintre);

// The page drawn on a white image of `taille` pixels at `dpi` dots per inch.
QImage ImagePage(TGraphe& graphe, QSize taille, int dpi);

// How a PDF file is laid out; by default as the default printer prints to
// a file: A4, margins of 10 points, 1200 dots per inch, one page.
struct FeuillePdf {
    std::optional<QPageLayout> mise;
    int resolution = 1200;
    int copies = 1;
};

// Writes the page, once per copy, to a PDF file titled "Graphe", through
// the program's one writer; returns its message, empty on success.
QString EcrirePagePdf(TGraphe& graphe, const QString& chemin, const FeuillePdf& feuille = {});

// Why a printer's page could not start: Qt does not say.
QString ErreurDebutPage(const QString& imprimante);

// Writes, as a 24-bit BMP, a white image of the window's outer size whose
// top-left part, of the client size, holds the graph as the window paints
// it. An existing file is replaced through the program's one writer.
QString ExporterImageBmp(const TGraphe& graphe, QSize exterieur, QSize client, const QString& chemin);

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

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

// Writes the page to a one-page PDF file as the default printer prints it
// to a file: high resolution, A4, titled "Graphe".
QString EcrirePagePdf(TGraphe& graphe, const QString& chemin);

// Why a page could not start on `destination`: for a file, what the file
// system says when asked to open it, else that the printing did not start.
QString ErreurDebutPage(const QString& destination, bool fichier);

// Writes, as a 24-bit BMP, a white image of the window's outer size whose
// top-left part, of the client size, holds the graph as the window paints
// it. An existing file is replaced.
QString ExporterImageBmp(const TGraphe& graphe, QSize exterieur, QSize client, const QString& chemin);

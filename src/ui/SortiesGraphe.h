#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QPrinter;
class TGraphe;

// The graph on paper and in files: devices for the page and for the window's
// picture. Failures come back as the platform's error text, empty on success.

// Prints the page once per copy asked of `imprimante`: to a printer, one
// one-page job titled "Graphe" per copy; to a file, one page per copy in
// that file, since separate jobs would overwrite each other.
QString ImprimerGraphe(TGraphe& graphe, QPrinter& imprimante);

// The page drawn on a white image of `taille` pixels at `dpi` dots per inch.
QImage ImagePage(TGraphe& graphe, QSize taille, int dpi);

// Writes, as a 24-bit BMP, a white image of the window's outer size whose
// top-left part, of the client size, holds the graph as the window paints
// it. An existing file is replaced.
QString ExporterImageBmp(const TGraphe& graphe, QSize exterieur, QSize client, const QString& chemin);

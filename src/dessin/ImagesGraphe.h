#pragma once

#include "model/Avancement.h"

#include <QSize>

class QImage;
class QIODevice;
class QPaintDevice;
class TGraphe;

// The graph's picture as both programs export it, the same to the byte.
// The drawing reports to the graph's window as it goes.

// A count of the graph's vertices drawn, for its window.
Avancement Suivi(const TGraphe& graphe);

// As a window shows it: white background, the screen font, the default
// one-pixel black pen, scale 1 and no offset.
void PeindreGraphe(QPaintDevice& surface, const TGraphe& graphe, QSize taille);

// The same as SVG, written as it is drawn: a graph of any size takes little
// memory.
void EcrireSvgGraphe(QIODevice& sortie, const TGraphe& graphe, QSize taille);

// Writes the picture as `format` ("PNG", "BMP"); false when it could not.
// A graph's picture is mostly white: PNG's fastest compression gives a file
// about a quarter larger in a fraction of the time.
bool EncoderImage(const QImage& image, QIODevice& sortie, const char* format);

#pragma once

#include <QPoint>

class QPainter;

// Draws the line from `depart` to `arrivee`, both ends included, straight
// into the painter's image, with exactly the pixels QPainter::drawLine would
// give, also into a widget's window image. Returns false, having drawn
// nothing, when that exactness cannot be vouched for (another device, pen,
// transform, a clip of the painter's own, a repainted part of several
// rectangles that the line crosses...): the caller then draws through the
// painter.
bool TracerLigneDirecte(QPainter& peintre, QPoint depart, QPoint arrivee);

#pragma once

#include <QPoint>

class QPainter;

// Draws the line from `depart` to `arrivee`, both ends included, straight
// into the painter's image, with exactly the pixels QPainter::drawLine would
// give. Returns false, having drawn nothing, when that exactness cannot be
// vouched for (another device, pen, transform, clip, a line leaving the
// image...): the caller then draws through the painter.
bool TracerLigneDirecte(QPainter& peintre, QPoint depart, QPoint arrivee);

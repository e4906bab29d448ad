#pragma once

#include <QPointF>
#include <QSize>

struct Toile;

// A line leaving the image is first cut, in floating point, where it
// crosses the ring of pixels just outside the image; what is left is walked
// from its cut ends in 26.6 fixed point, half a pixel longer at each end for
// the square caps. Positions up to 16,383 keep Qt's 32-bit arithmetic from
// wrapping, which 64 bits would not follow.
constexpr int kCoteCoupe = 16383;

// Draws, as Qt would, the line between two points of the image's pixel grid
// that may lie beyond it, in an image of `taille` (at most kCoteCoupe).
void TracerLigneCoupee(const Toile& toile, QSize taille, QPointF depart, QPointF arrivee);

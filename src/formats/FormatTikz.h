#pragma once

#include "formats/GrapheEchange.h"

#include <string>

// A LaTeX document holding one tikzpicture, for pdflatex with the tikz
// package: the vertices at their window positions turned to centimetres
// (96 pixels to the inch, y upwards), their names as labels, the weights on
// the arcs, arrows when oriented, loops, parallel and opposite arcs bent
// apart so that none hides another.
std::string TexteTikz(const GrapheEchange& graphe);

#pragma once

#include "formats/GrapheEchange.h"

// Gives a position to each vertex that lacks one, on a circle wide enough
// for 40 pixels between neighbours, at positive window coordinates; the
// same graph always gets the same picture. A stand-in until the files
// without positions are laid out by Graphviz.
void PlacerEnCercle(GrapheEchange& graphe);

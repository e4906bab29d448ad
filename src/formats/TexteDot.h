#pragma once

#include "formats/GrapheEchange.h"

#include <string>

// The graph as a Graphviz DOT text: a `digraph` or a `graph`, every vertex
// then every arc in the structure's order, each edge once. A vertex is a
// node named after it (a node of its own with the name as `label` when an
// earlier vertex has the same name), with `pos` and `numero` when known; an
// arc carries its weight as both `weight` and `label`.
//
// Positions: one point per window pixel, y turned upwards by negation, so
// that the window's (x, y) is written pos="x,-y"; LireDot negates back,
// which restores every double exactly. (A file laid out by Graphviz carries
// its bounding box `bb`: LireDot then counts y down from the box's top.)
//
// Names are quoted; a name Graphviz's quoting cannot carry as it is (an
// odd run of backslashes before a quote, a line end or the end, a lone line
// end between quotes or backslashes) is written in pieces joined by '+',
// its backslashes and line ends as HTML strings. A second vertex named
// "\N" comes back as "\N~2": Graphviz reads the label "\N" as "the node's
// name", in any quoting.
std::string TexteDot(const GrapheEchange& graphe);

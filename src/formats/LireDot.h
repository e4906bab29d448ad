#pragma once

#include "formats/GrapheEchange.h"

#include <string>
#include <string_view>

// Reads a Graphviz DOT text (a `graph` or a `digraph`, strict or not, its
// subgraphs' nodes and edges included) into `graphe`. Returns an empty
// string on success, else a French message saying where the text failed,
// with `graphe` left empty. A vertex is named by its `label` when it has one
// other than Graphviz's "\N", else by its node name; `pos` gives its
// position in window pixels (see TexteDot.h for the convention), `numero`
// its number. An edge's weight is its `weight`, else its `label` when that
// is a number; a `weight` that is not a number refuses the file.
std::string LireDot(std::string_view texte, GrapheEchange& graphe);

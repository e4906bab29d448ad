#pragma once

#include "formats/GrapheEchange.h"

#include <string>
#include <string_view>

// GraphML (graphml.graphdrawing.org) as yEd, Gephi, NetworkX and igraph
// write it. Read: the `key` declarations with their defaults; a node's
// label from a `name` or `label` key, else yEd's node label, else its id;
// its position from `x` and `y` keys, else the centre of yEd's
// `y:Geometry`; its number from a `numero` key; an edge's `weight` key;
// `edgedefault`, with a per-edge `directed` contradicting it refused;
// nested graphs flattened. Returns empty on success, else the French reason
// with its line; `graphe` is then left partly filled.
std::string LireGraphML(std::string_view texte, GrapheEchange& graphe);

// Nodes "n0", "n1"... with name, x, y and numero keys, edges with weight.
std::string TexteGraphML(const GrapheEchange& graphe);

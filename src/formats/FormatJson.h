#pragma once

#include "formats/GrapheEchange.h"

#include <string>
#include <string_view>

// NetworkX's node-link JSON (networkx.node_link_data): `directed`,
// `multigraph`, `graph`, `nodes` [{id, x, y, numero}] and `links` (or
// `edges`, as NetworkX 3.4 names them) [{source, target, weight}]. A node's
// name is its `name` or `label` when it has one, else its id (a string or
// a number). Returns empty on success, else the French reason with its
// line; `graphe` is then left partly filled.
std::string LireJson(std::string_view texte, GrapheEchange& graphe);

// Ids are the names; with homonyms (a damaged ".gff" file) the ids are the
// list positions and each node carries its `name`.
std::string TexteJson(const GrapheEchange& graphe);

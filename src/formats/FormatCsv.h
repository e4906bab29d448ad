#pragma once

#include "formats/GrapheEchange.h"

#include <string>
#include <string_view>

// An edge list for spreadsheets (RFC 4180 quoting): a header row
// "origine;cible;poids" then one row per arc, the weight optional; then,
// after an empty row, an optional vertex section "sommet;x;y;numero" in
// list order, so that isolated vertices, positions and numbers survive.
// Reading accepts commas as well as semicolons, taken from the header.
// The file does not say whether the graph is oriented: `oriente` does.
// Returns empty on success, else the French reason with its line.
std::string LireCsv(std::string_view texte, bool oriente, GrapheEchange& graphe);

// Semicolons, CRLF line ends as RFC 4180 has them; the vertex section is
// always written.
std::string TexteCsv(const GrapheEchange& graphe);

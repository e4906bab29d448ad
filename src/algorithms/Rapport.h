#pragma once

#include <string>

class TGraphe;

// The French summary of the graph in UTF-8, every line ended by "\n". It
// runs the structure tests, so the vertex numbers are cleared.
std::string Rapport(TGraphe& graphe);
// The graph menu's "Information": the report in a message box.
void Info1Click(TGraphe& graphe);

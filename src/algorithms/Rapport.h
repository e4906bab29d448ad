#pragma once

#include <cstdint>
#include <string>

class TGraphe;

// What the report states, for programs that read it.
struct FaitsRapport {
    int32_t sommets = 0;
    int32_t arcs = 0;  // as the report counts them: edges once
    bool circuit = false;
    int32_t composantesConnexes = 0;
    int32_t composantesFortementConnexes = 0;
    bool arbre = false;
    bool arborescence = false;
    bool eulerien = false;
    int64_t octets = 0;
    std::string derniereSauvegarde;  // empty when no file is at the stored path
};
// Runs the structure tests as `Rapport` does, the vertex numbers cleared.
FaitsRapport EtablirFaits(TGraphe& graphe);
// The report's text for those facts.
std::string TexteRapport(const TGraphe& graphe, const FaitsRapport& faits);

// The French summary of the graph in UTF-8, every line ended by "\n". It
// runs the structure tests, so the vertex numbers are cleared.
std::string Rapport(TGraphe& graphe);
// The graph menu's "Information": the report in a message box.
void Info1Click(TGraphe& graphe);

#pragma once

#include <cstdint>

class TGraphe;

// Numbers 1, 2, 3... in `valeur` so that every arc runs upwards; vertices on
// or behind a circuit get 0. Overwrites every `compteur` with the in-degree
// left unconsumed. Returns 1 + the count of numbered vertices.
int32_t NumerotationTopologique(TGraphe& graphe);
// True when every vertex could be numbered; leaves every `valeur` at 0.
bool SansCircuit(TGraphe& graphe);

// The menu commands: "Numérotation topologique" numbers and repaints;
// "Circuit" announces the answer, then repaints.
void CommandeNumerotationTopologique(TGraphe& graphe);
void CommandeCircuit(TGraphe& graphe);

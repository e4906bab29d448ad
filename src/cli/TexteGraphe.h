#pragma once

#include <iosfwd>
#include <string>

class TGraphe;
struct Sommet;

// A vertex's or an arc's target name in UTF-8.
std::string NomUtf8(const Sommet& enregistrement);

// A vertex label as the drawing writes it: the name, then "[n]" when the
// vertex is numbered; UTF-8.
std::string Etiquette(const Sommet& sommet);

// The whole graph in text: orientation, counters, stored path, then every
// vertex in list order followed by its arcs in chain order.
void EcrireGraphe(std::ostream& sortie, const TGraphe& graphe);

#pragma once

#include "algorithms/Deroulement.h"

#include <string>
#include <vector>

// A recorded run as the French table the user reads: UTF-8 texts, weights
// and distances as the user entered them.
struct TableauDeroulement {
    std::string titre;  // "Dijkstra (A → E)"; the window shows "Déroulement : " before it
    std::vector<std::string> entetes;
    std::vector<std::vector<std::string>> lignes;
    std::vector<int> choisis;  // by row, the column of the vertex chosen or reached, -1 for none
    std::vector<std::string> notes;
};

TableauDeroulement Tabuler(const Deroulement& deroulement);

// A distance as shown: "∞" (under a maximising run "-∞") for 1000000 or
// more, else the value with the negation of the run undone.
std::string TexteDistance(int64_t distance, bool poidsInverses);
// A weight as the user entered it, the run's negation undone.
int32_t PoidsSaisi(int32_t poids, bool poidsInverses);
// A name as shown: UTF-8, controls escaped.
std::string NomAffiche(const std::string& nom);
std::string TexteRaison(Raison raison);

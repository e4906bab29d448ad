#pragma once

#include "algorithms/Commandes.h"

#include <string_view>

// How the history names what a command did to the graph, after « Annuler »
// or « Rétablir ».
std::string_view NomEtape(Commande commande);

// The graph report clears the vertex numbers, wherever it is shown.
inline constexpr std::string_view kEtapeRapport = "l'effacement des numéros";

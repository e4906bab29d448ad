#pragma once

#include "algorithms/Commandes.h"
#include "algorithms/Deroulement.h"

#include <optional>

// The algorithm whose steps the command can show; none for the commands
// that have no table of steps.
std::optional<AlgorithmeDeroule> DeroulementDe(Commande commande);

#pragma once

#include "SortieJson.h"

#include "algorithms/Deroulement.h"

// What --etapes adds after a command's result.

// "Déroulement : " and the title, then the table as aligned text and its
// notes, on standard output.
void EcrireEtapes(const Deroulement& deroulement);

// The "etapes" array: for a path, one object per row with the vertex chosen
// or reached (null for a Ford pass), then every vertex's distance (null for
// infinite) and predecessor (null for none); for a tree, one object per arc
// considered. Weights as entered. Null when the graph was too large to record.
Json EtapesJson(const Deroulement& deroulement);

// The one or the other: into `objet` under "etapes" when there is one (--json).
void AjouterEtapes(const Deroulement& deroulement, Json* objet);

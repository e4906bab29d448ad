#pragma once

#include "formats/GrapheEchange.h"

class TGraphe;

// Every vertex of the store, in list order, with its number when it has
// one, and every arc in chain order. A non-oriented graph gives each edge
// once, in an order that refills the store (RemplirDepuisEchange) with the
// same chains whenever such an order exists, which it does for any graph
// built by the store's own operations. An arc record naming no vertex (a
// damaged ".gff" file) has no end to be written with and is left out.
GrapheEchange EchangeDepuisGraphe(const TGraphe& graphe);

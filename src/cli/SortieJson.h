#pragma once

#include <nlohmann/json.hpp>

class TGraphe;
class ServicesConsole;

// Objects keep their fields in the order written, as docs/quorvalent-cli.schema.json lists them.
using Json = nlohmann::ordered_json;

// The graph as `afficher --json` gives it: orientation, stored path,
// vertices in list order, arcs in list and chain order.
Json GrapheJson(const TGraphe& graphe);

// The sum of the tree's weights, each non-oriented edge once.
long long PoidsTotal(const TGraphe& graphe);

// The message boxes the window showed, as {"titre", "texte"}.
Json MessagesJson(const ServicesConsole& services);

// One object on one line of standard output (JSON Lines).
void EcrireJson(const Json& objet);

#include "Executeurs.h"

#include "Fichiers.h"

#include "algorithms/Commandes.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <iterator>

namespace {
struct Detection {
    std::string_view nom;
    Commande commande;
    // The answer the command's message gave: the tests are deterministic, so
    // asking again after the command answers alike.
    bool (*reponse)(TGraphe& graphe);
};

constexpr Detection kDetections[] = {
    {"circuit", Commande::Circuit, [](TGraphe& g) { return !g.SansCircuit(); }},
    {"connexite", Commande::Connexite, [](TGraphe& g) { return g.EstConnexe(); }},
    {"forte-connexite", Commande::ForteConnexite, [](TGraphe& g) { return g.EstFortementConnexe(); }},
    {"arbre", Commande::Arbre, [](TGraphe& g) { return g.EstArbre(); }},
    {"arborescence", Commande::Arborescence, [](TGraphe& g) { return g.EstArborescence(); }},
    {"eulerien", Commande::Eulerien, [](TGraphe& g) { return g.EstEulerien(); }},
};
}  // namespace

int ExecuterDetection(const Arguments& arguments)
{
    const Detection& detection = *std::find_if(std::begin(kDetections), std::end(kDetections),
                                               [&](const Detection& d) { return d.nom == arguments.commande; });
    return TraiterFichiers(arguments.valeurs, [&](FenetreConsole& fenetre) {
        ExecuterCommande(*fenetre.graphe, detection.commande);
        return detection.reponse(*fenetre.graphe) ? kSucces : kReponseNegative;
    });
}

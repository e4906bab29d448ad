#include "Executeurs.h"

#include "Fichiers.h"

#include "algorithms/Commandes.h"
#include "model/TGraphe.h"
#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"

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
    {"circuit", Commande::Circuit, [](TGraphe& g) { return !SansCircuit(g); }},
    {"connexite", Commande::Connexite, [](TGraphe& g) { return EstConnexe(g); }},
    {"forte-connexite", Commande::ForteConnexite, [](TGraphe& g) { return EstFortementConnexe(g); }},
    {"arbre", Commande::Arbre, [](TGraphe& g) { return EstArbre(g); }},
    {"arborescence", Commande::Arborescence, [](TGraphe& g) { return EstArborescence(g); }},
    {"eulerien", Commande::Eulerien, [](TGraphe& g) { return EstEulerien(g); }},
};
}  // namespace

int ExecuterDetection(const Arguments& arguments)
{
    const Detection& detection = *std::find_if(std::begin(kDetections), std::end(kDetections),
                                               [&](const Detection& d) { return d.nom == arguments.commande; });
    return TraiterFichiers(arguments, arguments.valeurs, [&](FenetreConsole& fenetre, Json* objet) {
        ExecuterCommande(*fenetre.graphe, detection.commande);
        const bool reponse = detection.reponse(*fenetre.graphe);
        if (objet != nullptr)
            (*objet)["reponse"] = reponse;
        return reponse ? kSucces : kReponseNegative;
    });
}

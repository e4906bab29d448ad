#include "algorithms/CalculsChemins.h"
#include "algorithms/Chemins.h"
#include "algorithms/Deroulement.h"
#include "algorithms/Numerotation.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Bellman";
constexpr std::string_view kImpossible =
    "L'algorithme de Bellman ne peut être déroulé car ce graphe possède un ou plusieurs circuits\n"
    " ou alors vous avez indiqué des sommets qui n'existent pas.";
constexpr std::string_view kTitreImpossible = "Algorithme Bellman";

constexpr int64_t kInfini = kAucunSommet;
}  // namespace

std::vector<int32_t> PredecesseursBellman(const IndexNumeros& index, int32_t nbSommets, int32_t depart,
                                          Deroulement* deroulement, Avancement avancement)
{
    const ListesEntrantes entrants(index);
    std::vector<int64_t> distance(static_cast<size_t>(index.Taille()), kInfini);
    std::vector<int32_t> predecesseur(static_cast<size_t>(index.Taille()), kAucunSommet);
    if (index.SommetNumero(depart) == nullptr)
        return predecesseur;
    distance[depart] = 0;
    // In topological order every origin of an arc into k precedes k, so its
    // distance is final by then. An origin at the infinite distance is not
    // reached and leads nowhere, whatever the weight of its arcs: else a
    // negative arc would hand on a path that does not start at the departure.
    for (int32_t k = 1; k <= nbSommets; ++k) {
        avancement.Avancer();
        if (k == depart) {
            if (deroulement != nullptr)
                deroulement->NoterAtteint(k, distance, predecesseur, -1, 0);
            continue;
        }
        int64_t m = kInfini;
        const ArcEntrant* retenu = nullptr;
        for (const ArcEntrant& arc : entrants.De(k)) {
            if (arc.origine < 1 || arc.origine > nbSommets || distance[arc.origine] >= kInfini)
                continue;
            if (distance[arc.origine] + arc.poids < m) {
                m = distance[arc.origine] + arc.poids;
                predecesseur[k] = arc.origine;
                retenu = &arc;
            }
        }
        distance[k] = m;
        if (deroulement != nullptr)
            deroulement->NoterAtteint(k, distance, predecesseur, retenu ? retenu->origine : -1,
                                      retenu ? retenu->poids : 0);
    }
    return predecesseur;
}

void Bellman(TGraphe& graphe, Deroulement* deroulement)
{
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    graphe.Fenetre().SaisirExtremites(kTitreSaisie, depart, arrivee);
    // The circuit test comes first: it clears the numbers even when the
    // names turn out to be missing.
    if (!SansCircuit(graphe) || depart[0] == '\0' || arrivee[0] == '\0' || graphe.NumeroSommet(depart) == -1
        || graphe.NumeroSommet(arrivee) == -1) {
        graphe.Fenetre().AfficherMessage(kImpossible, kTitreImpossible);
        return;
    }
    NumerotationTopologique(graphe);
    const IndexNumeros index(graphe, graphe.NbSommets() + 2);
    if (deroulement != nullptr) {
        deroulement->Commencer(graphe, depart, arrivee);
        deroulement->Numeroter(index);
    }
    const Avancement avancement(graphe.Fenetre(), static_cast<uint64_t>(graphe.NbSommets()));
    AfficherChemin(graphe,
                   PredecesseursBellman(index, graphe.NbSommets(), index.Numero(depart), deroulement, avancement),
                   index.Numero(arrivee));
}

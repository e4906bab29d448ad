#include "algorithms/CalculsChemins.h"
#include "algorithms/Chemins.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Ford";
constexpr std::string_view kCircuitAbsorbant = "Il y a un circuit absorbant dans ce graphe";
constexpr std::string_view kTitreCircuit = "Détection d'un circuit absorbant";

constexpr int64_t kInfini = kAucunSommet;

// The arc that last lowered a vertex's value, the departure's included.
struct ArcRetenu {
    int32_t origine = -1;
    int32_t poids = 0;
};

// True when the retained arcs close a circuit of negative total weight. Such
// a circuit lowers the values in every pass, so the passes cannot settle:
// finding it early spares the remaining passes, up to one per vertex.
bool CircuitNegatif(const std::vector<ArcRetenu>& retenus)
{
    const auto n = static_cast<int32_t>(retenus.size());
    std::vector<int32_t> parcours(retenus.size(), -1);  // the walk that met each vertex first
    for (int32_t debut = 0; debut < n; ++debut) {
        int32_t v = debut;
        while (v != -1 && parcours[v] == -1) {
            parcours[v] = debut;
            v = retenus[v].origine;
        }
        if (v == -1 || parcours[v] != debut)
            continue;
        int64_t total = 0;
        int32_t u = v;
        do {
            total += retenus[u].poids;
            u = retenus[u].origine;
        } while (u != v);
        if (total < 0)
            return true;
    }
    return false;
}
}  // namespace

std::optional<std::vector<int32_t>> PredecesseursFord(const IndexNumeros& index, int32_t depart)
{
    const int32_t n = index.Taille();
    const ListesEntrantes entrants(index);
    std::vector<int64_t> passePrecedente(static_cast<size_t>(n), kInfini);
    std::vector<int64_t> passeCourante(static_cast<size_t>(n), 0);
    std::vector<int32_t> predecesseur(static_cast<size_t>(n), kAucunSommet);
    std::vector<ArcRetenu> retenus(static_cast<size_t>(n));
    if (index.SommetNumero(depart) == nullptr)
        return predecesseur;
    passePrecedente[depart] = 0;

    bool change = true;
    for (int64_t passe = 0; passe <= n && change; ++passe) {
        for (int32_t j = 0; j < n; ++j) {
            // The departure may fall below 0 too, through a circuit that
            // returns to it: pinned at 0, such a circuit would go unnoticed.
            int64_t m = j == depart ? 0 : kInfini;
            for (const ArcEntrant& arc : entrants.De(j)) {
                if (passePrecedente[arc.origine] + arc.poids < m) {
                    m = passePrecedente[arc.origine] + arc.poids;
                    retenus[j] = {arc.origine, arc.poids};
                    if (j != depart)
                        predecesseur[j] = arc.origine;
                }
            }
            passeCourante[j] = m;
        }
        change = passeCourante != passePrecedente;
        passePrecedente.swap(passeCourante);
        if (change && CircuitNegatif(retenus))
            return std::nullopt;
    }
    if (change)
        return std::nullopt;
    predecesseur[depart] = kAucunSommet;
    return predecesseur;
}

void Ford(TGraphe& graphe)
{
    ServicesFenetre& fenetre = graphe.Fenetre();
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0' || graphe.NumeroSommet(depart) == -1 ||
        graphe.NumeroSommet(arrivee) == -1)
        return;
    for (Sommet& s : graphe.Sommets())
        s.valeur = 0;
    const IndexNumeros index(graphe, graphe.NbSommets());
    const auto predecesseur = PredecesseursFord(index, index.Numero(depart));
    if (!predecesseur) {
        fenetre.AfficherMessage(kCircuitAbsorbant, kTitreCircuit);
        return;
    }
    AfficherChemin(graphe, *predecesseur, index.Numero(arrivee));
}

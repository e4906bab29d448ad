#include "algorithms/CalculsChemins.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Ford";
constexpr std::string_view kCircuitAbsorbant = "Il y a un circuit absorbant dans ce graphe";
constexpr std::string_view kTitreCircuit = "Détection d'un circuit absorbant";

constexpr int64_t kInfini = TGraphe::kAucunSommet;
}  // namespace

std::optional<std::vector<int32_t>> PredecesseursFord(const IndexSommets& index, int32_t depart)
{
    const int32_t n = index.Taille();
    const ArcsEntrants entrants(index);
    std::vector<int64_t> passePrecedente(static_cast<size_t>(n), kInfini);
    std::vector<int64_t> passeCourante(static_cast<size_t>(n), 0);
    std::vector<int32_t> predecesseur(static_cast<size_t>(n), TGraphe::kAucunSommet);
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
                    if (j != depart)
                        predecesseur[j] = arc.origine;
                }
            }
            passeCourante[j] = m;
        }
        change = passeCourante != passePrecedente;
        passePrecedente.swap(passeCourante);
    }
    if (change)
        return std::nullopt;
    predecesseur[depart] = TGraphe::kAucunSommet;
    return predecesseur;
}

void TGraphe::Ford()
{
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0' || NumeroSommet(depart) == -1 || NumeroSommet(arrivee) == -1)
        return;
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant)
        s->valeur = 0;
    const IndexSommets index(*this, nbSommets);
    const auto predecesseur = PredecesseursFord(index, index.Numero(depart));
    if (!predecesseur) {
        fenetre.AfficherMessage(kCircuitAbsorbant, kTitreCircuit);
        return;
    }
    AfficherChemin(*predecesseur, index.Numero(arrivee));
}

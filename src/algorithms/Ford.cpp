#include "algorithms/CalculsChemins.h"
#include "algorithms/Chemins.h"
#include "algorithms/Deroulement.h"
#include "algorithms/FordDirect.h"
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

// The circuit through `v`, walked back along the retained arcs, then turned
// the arcs' way.
std::vector<int32_t> Circuit(const std::vector<ArcRetenu>& retenus, int32_t v)
{
    std::vector<int32_t> circuit;
    int32_t u = v;
    do {
        circuit.push_back(u);
        u = retenus[u].origine;
    } while (u != v);
    return {circuit.rbegin(), circuit.rend()};
}

// The vertices, in the arcs' direction, of a circuit of negative total weight
// that the retained arcs close; empty when they close none. Such a circuit
// lowers the values in every pass, so the passes cannot settle: finding it
// early spares the remaining passes, up to one per vertex.
std::vector<int32_t> CircuitNegatif(const std::vector<ArcRetenu>& retenus)
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
            return Circuit(retenus, v);
    }
    return {};
}

// Passes that each recompute every vertex's value from the previous pass's
// values alone, as the least sum over its incoming arcs.
class PassesFord {
public:
    PassesFord(const IndexNumeros& index, int32_t depart_, Deroulement* deroulement_, Avancement avancement_)
        : n(index.Taille()),
          depart(depart_),
          deroulement(deroulement_),
          avancement(avancement_),
          entrants(index),
          precedente(static_cast<size_t>(n), kInfini),
          courante(static_cast<size_t>(n), kInfini),
          predecesseur(static_cast<size_t>(n), kAucunSommet),
          abaissement(static_cast<size_t>(n), kAucunSommet),
          retenus(static_cast<size_t>(n))
    {
        precedente[depart] = 0;
    }

    // Passes until the values settle, at most one per vertex plus one; false
    // when they never do, which takes an absorbing circuit. With
    // `seulsAtteints`, a vertex at the infinite value or beyond is not
    // reached and passes nothing on; else it does, as the passes that look
    // for an absorbing circuit anywhere need.
    bool Stabiliser(bool seulsAtteints)
    {
        // Only the passes of the path are the run's table; the later ones
        // just look for an absorbing circuit.
        Deroulement* rangs = seulsAtteints ? deroulement : nullptr;
        for (int64_t passe = 0; passe <= n; ++passe) {
            const bool change = Passe(seulsAtteints);
            if (rangs != nullptr)
                rangs->NoterPasse(precedente, predecesseur);
            if (!change)
                return true;
            if (const std::vector<int32_t> circuit = CircuitNegatif(retenus); !circuit.empty()) {
                NoterCircuit(circuit);
                return false;
            }
        }
        NoterCircuit({});
        return false;
    }

    std::vector<int32_t> Predecesseurs() const;

private:
    const int32_t n;
    const int32_t depart;
    Deroulement* deroulement;
    Avancement avancement;
    const ListesEntrantes entrants;
    std::vector<int64_t> precedente;
    std::vector<int64_t> courante;
    // By vertex, the first least candidate of the last pass that found one
    // from a reached vertex, and of the last pass that lowered its value.
    std::vector<int32_t> predecesseur;
    std::vector<int32_t> abaissement;
    std::vector<ArcRetenu> retenus;

    void NoterCircuit(const std::vector<int32_t>& circuit)
    {
        if (deroulement != nullptr)
            deroulement->NoterCircuitAbsorbant(circuit);
    }

    // Whether some value changed.
    bool Passe(bool seulsAtteints)
    {
        bool change = false;
        for (int32_t j = 0; j < n; ++j) {
            // The departure may fall below 0 too, through a circuit that
            // returns to it: pinned at 0, such a circuit would go unnoticed.
            int64_t m = j == depart ? 0 : kInfini;
            int32_t choisi = kAucunSommet;
            for (const ArcEntrant& arc : entrants.De(j)) {
                const int64_t valeur = precedente[arc.origine];
                if (seulsAtteints && valeur >= kInfini)
                    continue;
                if (valeur + arc.poids < m) {
                    m = valeur + arc.poids;
                    retenus[j] = {arc.origine, arc.poids};
                    choisi = arc.origine;
                }
            }
            if (seulsAtteints && j != depart && choisi != kAucunSommet) {
                if (m < precedente[j])
                    abaissement[j] = choisi;
                predecesseur[j] = choisi;
            }
            change = change || m != precedente[j];
            courante[j] = m;
            avancement.Avancer();
        }
        precedente.swap(courante);
        return change;
    }
};

// Equal sums around a circuit of total weight 0 can leave the last pass's
// predecessors pointing round it, and the walk back from its vertices would
// never reach the departure. Such a vertex takes instead the predecessor of
// the pass that last lowered its value: that one had its final value a pass
// earlier, so walking back through these passes leads to the departure.
std::vector<int32_t> PassesFord::Predecesseurs() const
{
    enum class Issue : uint8_t { Inconnue, EnCours, Depart, Boucle };
    std::vector<Issue> issue(static_cast<size_t>(n), Issue::Inconnue);
    issue[depart] = Issue::Depart;
    std::vector<int32_t> parcourus;
    for (int32_t debut = 0; debut < n; ++debut) {
        int32_t v = debut;
        while (v != kAucunSommet && issue[v] == Issue::Inconnue) {
            issue[v] = Issue::EnCours;
            parcourus.push_back(v);
            v = predecesseur[v];
        }
        const Issue fin = v == kAucunSommet || issue[v] == Issue::Depart ? Issue::Depart : Issue::Boucle;
        for (const int32_t p : parcourus)
            issue[p] = fin;
        parcourus.clear();
    }
    std::vector<int32_t> table(predecesseur);
    for (int32_t j = 0; j < n; ++j) {
        if (issue[j] == Issue::Boucle)
            table[j] = abaissement[j];
    }
    return table;
}
}  // namespace

std::optional<std::vector<int32_t>> PredecesseursFord(const IndexNumeros& index, int32_t depart,
                                                      Deroulement* deroulement, Avancement avancement)
{
    if (index.SommetNumero(depart) == nullptr)
        return std::vector<int32_t>(static_cast<size_t>(index.Taille()), kAucunSommet);
    // A recorded run shows the passes themselves.
    if (deroulement == nullptr) {
        if (auto directs = PredecesseursFordDirects(index, depart))
            return directs;
    }
    return PredecesseursFordParPasses(index, depart, deroulement, avancement);
}

std::optional<std::vector<int32_t>> PredecesseursFordParPasses(const IndexNumeros& index, int32_t depart,
                                                               Deroulement* deroulement, Avancement avancement)
{
    if (index.SommetNumero(depart) == nullptr)
        return std::vector<int32_t>(static_cast<size_t>(index.Taille()), kAucunSommet);
    PassesFord passes(index, depart, deroulement, avancement);
    // The path runs from the departure only; then, from the values found,
    // passes through every vertex settle unless some circuit elsewhere, one
    // the departure does not reach included, is absorbing.
    if (!passes.Stabiliser(true) || !passes.Stabiliser(false))
        return std::nullopt;
    return passes.Predecesseurs();
}

void Ford(TGraphe& graphe, Deroulement* deroulement)
{
    ServicesFenetre& fenetre = graphe.Fenetre();
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0' || graphe.NumeroSommet(depart) == -1
        || graphe.NumeroSommet(arrivee) == -1)
        return;
    for (Sommet& s : graphe.Sommets())
        s.valeur = 0;
    const IndexNumeros index(graphe, graphe.NbSommets());
    if (deroulement != nullptr) {
        deroulement->Commencer(graphe, depart, arrivee);
        deroulement->Numeroter(index);
    }
    // Up to two series of passes, each up to one per vertex and one more:
    // the most the run can take, so the bar may finish early, never overrun.
    const auto n = static_cast<uint64_t>(index.Taille());
    const auto predecesseur =
        PredecesseursFord(index, index.Numero(depart), deroulement, Avancement(fenetre, 2 * (n + 1) * n));
    if (!predecesseur) {
        fenetre.AfficherMessage(kCircuitAbsorbant, kTitreCircuit);
        return;
    }
    AfficherChemin(graphe, *predecesseur, index.Numero(arrivee));
}

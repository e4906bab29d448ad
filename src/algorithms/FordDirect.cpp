#include "algorithms/FordDirect.h"

#include "algorithms/Chemins.h"
#include "algorithms/FileDistances.h"

#include <algorithm>

namespace {

constexpr int64_t kInfini = kAucunSommet;

// The passes' arithmetic: the least sum over a vertex's incoming arcs from
// reached vertices, the first least arc winning, below kInfini (or 0 for
// the departure). Returns the sum and fills the vertex's predecessor.
int64_t Relacher(std::span<const ArcEntrant> entrants, const std::vector<int64_t>& valeurs, bool estDepart,
                 int32_t& predecesseur)
{
    int64_t m = estDepart ? 0 : kInfini;
    for (const ArcEntrant& arc : entrants) {
        const int64_t valeur = valeurs[size_t(arc.origine)];
        if (valeur < kInfini && valeur + arc.poids < m) {
            m = valeur + arc.poids;
            predecesseur = arc.origine;
        }
    }
    if (estDepart)
        predecesseur = kAucunSommet;
    return m;
}

std::vector<std::vector<ArcEntrant>> Sortants(const ListesEntrantes& entrants, int32_t n)
{
    std::vector<std::vector<ArcEntrant>> sortants(static_cast<size_t>(n));
    for (int32_t j = 0; j < n; ++j) {
        for (const ArcEntrant& arc : entrants.De(j))
            sortants[size_t(arc.origine)].push_back({j, arc.poids});
    }
    return sortants;
}

std::vector<int64_t> SommesDijkstra(const ListesEntrantes& entrants, int32_t n, int32_t depart)
{
    const auto sortants = Sortants(entrants, n);
    std::vector<int64_t> sommes(size_t(n), kInfini);
    FileDistances file(n);
    sommes[size_t(depart)] = 0;
    file.Placer(depart, 0);
    while (!file.Vide()) {
        const int32_t u = file.Premier();
        file.RetirerPremier();
        for (const ArcEntrant& arc : sortants[size_t(u)]) {
            const int64_t somme = sommes[size_t(u)] + arc.poids;
            if (somme < sommes[size_t(arc.origine)]) {
                sommes[size_t(arc.origine)] = somme;
                file.Placer(arc.origine, somme);
            }
        }
    }
    return sommes;
}

// Empty when some circuit leaves vertices out of the order.
std::optional<std::vector<int32_t>> OrdreTopologique(const ListesEntrantes& entrants, int32_t n)
{
    const auto sortants = Sortants(entrants, n);
    std::vector<int32_t> restants(static_cast<size_t>(n));
    for (int32_t j = 0; j < n; ++j)
        restants[size_t(j)] = int32_t(entrants.De(j).size());
    std::vector<int32_t> ordre;
    for (int32_t j = 0; j < n; ++j) {
        if (restants[size_t(j)] == 0)
            ordre.push_back(j);
    }
    for (size_t i = 0; i < ordre.size(); ++i) {
        for (const ArcEntrant& arc : sortants[size_t(ordre[i])]) {
            if (--restants[size_t(arc.origine)] == 0)
                ordre.push_back(arc.origine);
        }
    }
    if (ordre.size() != size_t(n))
        return std::nullopt;
    return ordre;
}

// Whether every walk back along the predecessors ends, as the passes'
// results do unless a circuit of weight 0 ties them.
bool SansBoucle(const std::vector<int32_t>& predecesseur)
{
    enum class Etat : uint8_t { Inconnu, EnCours, Fini };
    std::vector<Etat> etat(predecesseur.size(), Etat::Inconnu);
    std::vector<int32_t> parcourus;
    for (size_t debut = 0; debut < predecesseur.size(); ++debut) {
        int32_t v = int32_t(debut);
        while (v != kAucunSommet && etat[size_t(v)] == Etat::Inconnu) {
            etat[size_t(v)] = Etat::EnCours;
            parcourus.push_back(v);
            v = predecesseur[size_t(v)];
        }
        if (v != kAucunSommet && etat[size_t(v)] == Etat::EnCours)
            return false;
        for (const int32_t p : parcourus)
            etat[size_t(p)] = Etat::Fini;
        parcourus.clear();
    }
    return true;
}

}  // namespace

std::optional<std::vector<int32_t>> PredecesseursFordDirects(const IndexNumeros& index, int32_t depart)
{
    const int32_t n = index.Taille();
    if (index.SommetNumero(depart) == nullptr)
        return std::nullopt;
    const ListesEntrantes entrants(index);
    bool positifs = true;
    for (int32_t j = 0; j < n && positifs; ++j)
        positifs = std::all_of(entrants.De(j).begin(), entrants.De(j).end(),
                               [](const ArcEntrant& arc) { return arc.poids >= 0; });
    std::vector<int32_t> predecesseur(size_t(n), kAucunSommet);
    std::vector<int64_t> sommes;
    if (positifs) {
        sommes = SommesDijkstra(entrants, n, depart);
        for (int32_t j = 0; j < n; ++j)
            Relacher(entrants.De(j), sommes, j == depart, predecesseur[size_t(j)]);
    } else if (const auto ordre = OrdreTopologique(entrants, n)) {
        // Every origin comes earlier in the order: its sum is final when read.
        sommes.assign(size_t(n), kInfini);
        for (const int32_t j : *ordre)
            sommes[size_t(j)] = Relacher(entrants.De(j), sommes, j == depart, predecesseur[size_t(j)]);
    } else
        return std::nullopt;
    if (!SansBoucle(predecesseur))
        return std::nullopt;
    return predecesseur;
}

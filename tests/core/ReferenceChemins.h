#pragma once

#include "model/ListeNoms.h"
#include "model/TGraphe.h"
#include "algorithms/Chemins.h"

#include <cstdint>
#include <vector>

// Plain, slow versions of the path algorithms, step by step: linear lookups
// by name and number, the name list as the set of vertices still to settle,
// the inner loops over every chain. They serve as the yardstick of the fast
// versions, and share their safeguards: 64-bit sums, a
// Dijkstra that stops when nothing can be chosen and never picks an unnamed
// vertex, a Ford departure that may fall below 0, and arcs or numbers that
// name no vertex skipped. The vertex numbers must be set as each run expects.
namespace reference {

constexpr int64_t kInfini = kAucunSommet;

inline bool NumeroValide(int32_t numero, int32_t n)
{
    return numero >= 0 && numero < n;
}

inline std::vector<int32_t> Dijkstra(const TGraphe& g, const char* depart)
{
    const int32_t n = g.NbSommets();
    ListeNoms restants;
    for (const Sommet* v = g.PremierSommet(); v != nullptr; v = v->sommetSuivant)
        restants.Inserer(v->nom);
    std::vector<int64_t> distance(n, kInfini);
    std::vector<int32_t> predecesseur(n, kAucunSommet);
    const int32_t s = g.NumeroSommet(depart);
    for (const Arc* a = g.SommetNumero(s)->arcSuivant; a != nullptr; a = a->arcSuivant) {
        const int32_t t = g.NumeroSommet(a->nom);
        if (NumeroValide(t, n)) {
            distance[t] = a->valeur;
            predecesseur[t] = s;
        }
    }
    distance[s] = 0;
    predecesseur[s] = kAucunSommet;
    restants.Retirer(depart);
    while (!restants.EstVide()) {
        int64_t m = kInfini;
        int32_t b = -1;
        for (int32_t i = 0; i < n; ++i) {
            const Sommet* v = g.SommetNumero(i);
            if (v != nullptr && v->nom[0] != '\0' && distance[i] <= m && restants.Contient(v->nom)) {
                m = distance[i];
                b = i;
            }
        }
        if (b == -1)
            break;
        restants.Retirer(g.SommetNumero(b)->nom);
        for (const Arc* a = g.SommetNumero(b)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t t = g.NumeroSommet(a->nom);
            if (NumeroValide(t, n) && distance[t] > distance[b] + a->valeur) {
                distance[t] = distance[b] + a->valeur;
                predecesseur[t] = b;
            }
        }
    }
    return predecesseur;
}

// The vertices must carry the topological numbers 1 to n.
inline std::vector<int32_t> Bellman(const TGraphe& g, const char* depart)
{
    const int32_t n = g.NbSommets();
    std::vector<int64_t> distance(n + 2, kInfini);
    std::vector<int32_t> predecesseur(n + 2, kAucunSommet);
    const int32_t s = g.NumeroSommet(depart);
    distance[s] = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const Sommet* vk = g.SommetNumero(k);
        if (k == s || vk == nullptr)
            continue;
        int64_t m = kInfini;
        for (int32_t j = 1; j <= n; ++j) {
            const Sommet* vj = g.SommetNumero(j);
            for (const Arc* a = vj != nullptr ? vj->arcSuivant : nullptr; a != nullptr; a = a->arcSuivant) {
                if (MemeNom(a->nom, vk->nom) && distance[j] < kInfini && distance[j] + a->valeur < m) {
                    m = distance[j] + a->valeur;
                    predecesseur[k] = j;
                }
            }
        }
        distance[k] = m;
    }
    return predecesseur;
}

// Ford's passes from s; with `seulsAtteints` a value of kInfini or more
// passes nothing on. `abaissement` receives, by vertex, the first least
// candidate of the last pass that lowered its value. False when the passes
// never settle.
inline bool PassesFord(const TGraphe& g, int32_t s, bool seulsAtteints, std::vector<int32_t>& predecesseur,
                       std::vector<int32_t>& abaissement)
{
    const int32_t n = g.NbSommets();
    std::vector<int64_t> passeCourante(n, 0);
    std::vector<int64_t> passePrecedente(n, kInfini);
    passePrecedente[s] = 0;
    bool change = true;
    for (int32_t passe = 0; passe <= n && change; ++passe) {
        for (int32_t j = 0; j < n; ++j) {
            const Sommet* vj = g.SommetNumero(j);
            int64_t m = j == s ? 0 : kInfini;
            for (int32_t i = 0; i < n && vj != nullptr; ++i) {
                const Sommet* vi = g.SommetNumero(i);
                if (seulsAtteints && passePrecedente[i] >= kInfini)
                    continue;
                for (const Arc* a = vi != nullptr ? vi->arcSuivant : nullptr; a != nullptr; a = a->arcSuivant) {
                    if (MemeNom(a->nom, vj->nom) && passePrecedente[i] + a->valeur < m) {
                        m = passePrecedente[i] + a->valeur;
                        if (j != s)
                            predecesseur[j] = i;
                        if (j != s && m < passePrecedente[j])
                            abaissement[j] = i;
                    }
                }
            }
            passeCourante[j] = m;
        }
        int32_t egaux = 0;
        for (int32_t j = 0; j < n; ++j) {
            egaux += passePrecedente[j] == passeCourante[j];
            passePrecedente[j] = passeCourante[j];
        }
        change = egaux != n;
    }
    return !change;
}

// Empty when the graph holds an absorbing circuit, anywhere: the passes in
// which every vertex passes its value on never settle. Otherwise the
// predecessors of the passes from the departure alone, where a vertex whose
// walk back does not reach the departure within n steps (round a circuit of
// weight 0) takes the one of the pass that last lowered its value.
inline std::vector<int32_t> Ford(const TGraphe& g, const char* depart)
{
    const int32_t n = g.NbSommets();
    const int32_t s = g.NumeroSommet(depart);
    std::vector<int32_t> predecesseur(n, kAucunSommet);
    std::vector<int32_t> abaissement(n, kAucunSommet);
    if (!PassesFord(g, s, false, predecesseur, abaissement))
        return {};
    predecesseur.assign(n, kAucunSommet);
    abaissement.assign(n, kAucunSommet);
    PassesFord(g, s, true, predecesseur, abaissement);
    std::vector<int32_t> table = predecesseur;
    for (int32_t j = 0; j < n; ++j) {
        int32_t v = j;
        for (int32_t pas = 0; pas < n && v != s && v != kAucunSommet; ++pas)
            v = predecesseur[v];
        if (v != s && v != kAucunSommet)
            table[j] = abaissement[j];
    }
    return table;
}

}  // namespace reference

#include "algorithms/CalculsChemins.h"
#include "model/TGraphe.h"

#include <queue>
#include <string_view>
#include <utility>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Dijkstra";
constexpr std::string_view kPoidsNegatifs =
    "Ce graphe possède des arcs de poids négatifs\n or l'algorithme de Dijkstra ne fonctionne "
    "qu'avec des arcs de poids positifs ou nuls.";
constexpr std::string_view kTitreNegatifs = "Graphe incorrect";

constexpr int64_t kInfini = TGraphe::kAucunSommet;

// A vertex that no name reaches, or whose name is empty, is never settled:
// the empty name cannot be told apart from the end of a name list.
bool Eligible(const IndexNumeros& index, int32_t numero)
{
    const Sommet* sommet = index.SommetNumero(numero);
    return sommet != nullptr && sommet->nom[0] != '\0';
}
}  // namespace

std::vector<int32_t> PredecesseursDijkstra(const IndexNumeros& index, int32_t depart)
{
    const auto n = static_cast<size_t>(index.Taille());
    std::vector<int64_t> distance(n, kInfini);
    std::vector<int32_t> predecesseur(n, TGraphe::kAucunSommet);
    std::vector<bool> regle(n, false);

    const Sommet* sommetDepart = index.SommetNumero(depart);
    if (sommetDepart == nullptr)
        return predecesseur;
    // Whether some distance ever went beyond the infinite one.
    bool auDelaDeLInfini = false;
    // Of parallel arcs from the departure, the last one in the chain counts.
    for (const Arc* a = sommetDepart->arcSuivant; a != nullptr; a = a->arcSuivant) {
        if (const int32_t cible = index.Numero(a->nom); cible != -1) {
            distance[cible] = a->valeur;
            auDelaDeLInfini = auDelaDeLInfini || a->valeur > kInfini;
            predecesseur[cible] = depart;
        }
    }
    distance[depart] = 0;
    predecesseur[depart] = TGraphe::kAucunSommet;
    regle[depart] = true;

    // Entries are (distance, number); the top is the least distance and,
    // among equals, the highest number. Outdated entries are skipped.
    using Entree = std::pair<int64_t, int32_t>;
    const auto apres = [](const Entree& a, const Entree& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    };
    std::priority_queue<Entree, std::vector<Entree>, decltype(apres)> file(apres);
    for (int32_t i = 0; i < index.Taille(); ++i) {
        if (!regle[i] && Eligible(index, i))
            file.emplace(distance[i], i);
    }
    while (!file.empty()) {
        const auto [d, b] = file.top();
        file.pop();
        if (regle[b] || d != distance[b])
            continue;
        // Whatever is left lies beyond the infinite distance: it can never be
        // chosen, so nothing more can change.
        if (d > kInfini)
            break;
        // A vertex at the infinite distance can only shorten a distance
        // beyond it. With none, the vertices left (those no path reaches)
        // change nothing, and walking their arcs would cost most of the run
        // when the departure reaches few vertices.
        if (d == kInfini && !auDelaDeLInfini)
            break;
        regle[b] = true;
        for (const Arc* a = index.SommetNumero(b)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t t = index.Numero(a->nom);
            if (t == -1 || distance[t] <= d + a->valeur)
                continue;
            distance[t] = d + a->valeur;
            auDelaDeLInfini = auDelaDeLInfini || distance[t] > kInfini;
            predecesseur[t] = b;
            if (!regle[t] && Eligible(index, t))
                file.emplace(distance[t], t);
        }
    }
    return predecesseur;
}

void TGraphe::Dijkstra()
{
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0' || NumeroSommet(depart) == -1 || NumeroSommet(arrivee) == -1)
        return;
    // The numbers go vertex by vertex: a refused graph keeps those of the
    // vertices after the one holding the negative arc.
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant) {
        s->valeur = 0;
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (a->valeur < 0) {
                fenetre.AfficherMessage(kPoidsNegatifs, kTitreNegatifs);
                return;
            }
        }
    }
    const IndexNumeros index(*this, nbSommets);
    AfficherChemin(index, PredecesseursDijkstra(index, index.Numero(depart)), index.Numero(arrivee));
}

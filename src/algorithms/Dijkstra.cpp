#include "algorithms/CalculsChemins.h"
#include "algorithms/FileDistances.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Dijkstra";
constexpr std::string_view kPoidsNegatifs =
    "Ce graphe possède des arcs de poids négatifs\n or l'algorithme de Dijkstra ne fonctionne "
    "qu'avec des arcs de poids positifs ou nuls.";
constexpr std::string_view kTitreNegatifs = "Graphe incorrect";

constexpr int64_t kInfini = TGraphe::kAucunSommet;

// Whether NumeroSommet would answer -1 for the name: no vertex bears it, or
// its first bearer holds the number -1, which a file can store.
bool SansNumero(const TGraphe& graphe, const IndexNumeros& index, const char (&nom)[kTailleNom])
{
    const Sommet* porteur = index.SommetNumero(index.Numero(nom));
    // A name beyond the table's positions is left to the list itself.
    if (porteur == nullptr)
        return graphe.NumeroSommet(nom) == -1;
    return porteur->valeur == -1;
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

    FileDistances file(index.Taille());
    // A vertex that no number reaches, or whose name is empty, is never
    // settled: the empty name cannot be told apart from the end of a name list.
    const auto mettreEnFile = [&](int32_t i) {
        if (!regle[i] && index.Nomme(i))
            file.Placer(i, distance[i]);
    };
    // Vertices at the infinite distance wait outside the queue: most runs
    // never reach them, and queueing every vertex would cost most of the run
    // when the departure reaches few.
    for (int32_t i = 0; i < index.Taille(); ++i) {
        if (distance[i] != kInfini)
            mettreEnFile(i);
    }
    bool infinisEnFile = false;
    for (;;) {
        if (!infinisEnFile && (file.Vide() || file.DistancePremier() >= kInfini)) {
            // Whatever is left lies at or beyond the infinite distance. With
            // no distance beyond it, those vertices (no path reaches them)
            // change nothing; otherwise they take their turns as usual.
            if (!auDelaDeLInfini)
                break;
            for (int32_t i = 0; i < index.Taille(); ++i) {
                if (distance[i] == kInfini)
                    mettreEnFile(i);
            }
            infinisEnFile = true;
        }
        // Beyond the infinite distance a vertex can never be chosen, so
        // nothing more can change.
        if (file.Vide() || file.DistancePremier() > kInfini)
            break;
        const int32_t b = file.Premier();
        const int64_t d = file.DistancePremier();
        file.RetirerPremier();
        regle[b] = true;
        // The vertex now first is most likely the next one settled: ask for
        // its record while this one's arcs are read.
        if (!file.Vide())
            __builtin_prefetch(index.SommetNumero(file.Premier()));
        for (const Arc* a = index.SommetNumero(b)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t t = index.Numero(a->nom);
            if (t == -1 || distance[t] <= d + a->valeur)
                continue;
            distance[t] = d + a->valeur;
            auDelaDeLInfini = auDelaDeLInfini || distance[t] > kInfini;
            predecesseur[t] = b;
            mettreEnFile(t);
        }
    }
    return predecesseur;
}

void TGraphe::Dijkstra()
{
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0')
        return;
    // By positions, the numbers every vertex answers to once its own are
    // cleared below: built first, it also answers for the two names.
    const IndexNumeros index(*this, nbSommets, IndexNumeros::Numeros::Positions);
    if (SansNumero(*this, index, depart) || SansNumero(*this, index, arrivee))
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
    AfficherChemin(index, PredecesseursDijkstra(index, index.Numero(depart)), index.Numero(arrivee));
}

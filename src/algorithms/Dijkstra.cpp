#include "algorithms/CalculsChemins.h"
#include "algorithms/Chemins.h"
#include "algorithms/Deroulement.h"
#include "algorithms/FileDistances.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr std::string_view kTitreSaisie = "Algorithme de Dijkstra";
constexpr std::string_view kPoidsNegatifs =
    "Ce graphe possède des arcs de poids négatifs\n or l'algorithme de Dijkstra ne fonctionne "
    "qu'avec des arcs de poids positifs ou nuls.";
constexpr std::string_view kTitreNegatifs = "Graphe incorrect";

constexpr int64_t kInfini = kAucunSommet;

bool PorteUnArcNegatif(const Sommet& sommet)
{
    for (const Arc* a = sommet.arcSuivant; a != nullptr; a = a->arcSuivant) {
        if (a->valeur < 0)
            return true;
    }
    return false;
}

// What a single walk over every record learns before a run. The command
// reads as three walks: the names checked, then the numbers cleared vertex
// by vertex up to a negative arc, then the index built; on a large graph
// each walk of the list costs as much as the search itself.
struct Releve {
    IndexNumeros index;            // by position: the numbers once cleared
    std::vector<int32_t> anciens;  // the numbers before clearing, by position
    int32_t negatif = -1;          // position of the first vertex with a negative arc
};

Releve Relever(Sommet* premierSommet, int32_t nbSommets)
{
    Releve releve{IndexNumeros(nbSommets), {}, -1};
    releve.anciens.reserve(static_cast<size_t>(std::max(nbSommets, 0)));
    int32_t position = 0;
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant, ++position) {
        releve.anciens.push_back(s->valeur);
        s->valeur = 0;
        releve.index.Ajouter(*s, position, false);
        if (releve.negatif == -1 && PorteUnArcNegatif(*s))
            releve.negatif = position;
    }
    return releve;
}

// The numbers of the vertices from position `debut` on, as they were.
void RemettreNumeros(Sommet* premierSommet, const std::vector<int32_t>& anciens, int32_t debut)
{
    int32_t position = 0;
    for (Sommet* s = premierSommet; s != nullptr; s = s->sommetSuivant, ++position) {
        if (position >= debut)
            s->valeur = anciens[size_t(position)];
    }
}

// Whether NumeroSommet would have answered -1 for the name: no vertex bears
// it, or its first bearer held the number -1, which a file can store.
bool SansNumero(const Releve& releve, const char (&nom)[kTailleNom])
{
    const std::optional<int32_t> position = releve.index.NumeroDonne(nom);
    return !position || releve.anciens[size_t(*position)] == -1;
}

// One search: distances and predecessors by number, and the vertices still
// to settle.
class Recherche {
public:
    Recherche(const IndexNumeros& index_, Deroulement* deroulement_, Avancement avancement_)
        : index(index_),
          deroulement(deroulement_),
          avancement(avancement_),
          distance(size_t(index.Taille()), kInfini),
          predecesseur(size_t(index.Taille()), kAucunSommet),
          regle(size_t(index.Taille()), false),
          file(index.Taille())
    {
    }

    std::vector<int32_t> Depuis(const Sommet& sommetDepart, int32_t depart)
    {
        PartirDe(sommetDepart, depart);
        Noter(depart);
        while (ResteAChoisir()) {
            const int32_t b = file.Premier();
            const int64_t d = file.DistancePremier();
            file.RetirerPremier();
            // The vertex now first is most likely the next one settled: ask
            // for its record while this one's arcs are read.
            if (!file.Vide())
                __builtin_prefetch(index.SommetNumero(file.Premier()));
            Regler(b, d);
            Noter(b);
            avancement.Avancer();
        }
        return std::move(predecesseur);
    }

private:
    const IndexNumeros& index;
    Deroulement* deroulement;
    Avancement avancement;
    std::vector<int64_t> distance;
    std::vector<int32_t> predecesseur;
    std::vector<bool> regle;
    FileDistances file;
    bool auDelaDeLInfini = false;  // whether some distance ever went beyond the infinite one
    bool infinisEnFile = false;

    void Noter(int32_t b)
    {
        if (deroulement != nullptr)
            deroulement->NoterReglement(b, distance, predecesseur, regle);
    }

    void PartirDe(const Sommet& sommetDepart, int32_t depart)
    {
        // Of parallel arcs from the departure, the last one in the chain counts.
        for (const Arc* a = sommetDepart.arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (const int32_t cible = index.Numero(a->nom); cible != -1) {
                distance[cible] = a->valeur;
                auDelaDeLInfini = auDelaDeLInfini || a->valeur > kInfini;
                predecesseur[cible] = depart;
            }
        }
        distance[depart] = 0;
        predecesseur[depart] = kAucunSommet;
        regle[depart] = true;
        // Vertices at the infinite distance wait outside the queue: most
        // runs never reach them, and queueing every vertex would cost most
        // of the run when the departure reaches few.
        for (int32_t i = 0; i < index.Taille(); ++i) {
            if (distance[i] != kInfini)
                MettreEnFile(i);
        }
    }

    // A vertex that no number reaches, or whose name is empty, is never
    // settled: the empty name cannot be told apart from the end of a name list.
    void MettreEnFile(int32_t i)
    {
        if (!regle[i] && index.Nomme(i))
            file.Placer(i, distance[i]);
    }

    bool ResteAChoisir()
    {
        if (!infinisEnFile && (file.Vide() || file.DistancePremier() >= kInfini)) {
            // Whatever is left lies at or beyond the infinite distance. With
            // no distance beyond it, those vertices (no path reaches them)
            // change nothing; otherwise they take their turns as usual.
            if (!auDelaDeLInfini)
                return false;
            for (int32_t i = 0; i < index.Taille(); ++i) {
                if (distance[i] == kInfini)
                    MettreEnFile(i);
            }
            infinisEnFile = true;
        }
        // Beyond the infinite distance a vertex can never be chosen, so
        // nothing more can change.
        return !file.Vide() && file.DistancePremier() <= kInfini;
    }

    void Regler(int32_t b, int64_t d)
    {
        regle[b] = true;
        for (const Arc* a = index.SommetNumero(b)->arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t t = index.Numero(a->nom);
            if (t == -1 || distance[t] <= d + a->valeur)
                continue;
            distance[t] = d + a->valeur;
            auDelaDeLInfini = auDelaDeLInfini || distance[t] > kInfini;
            predecesseur[t] = b;
            MettreEnFile(t);
        }
    }
};
}  // namespace

std::vector<int32_t> PredecesseursDijkstra(const IndexNumeros& index, int32_t depart, Deroulement* deroulement,
                                           Avancement avancement)
{
    const Sommet* sommetDepart = index.SommetNumero(depart);
    if (sommetDepart == nullptr)
        return std::vector<int32_t>(size_t(index.Taille()), kAucunSommet);
    return Recherche(index, deroulement, avancement).Depuis(*sommetDepart, depart);
}

void Dijkstra(TGraphe& graphe, Deroulement* deroulement)
{
    ServicesFenetre& fenetre = graphe.Fenetre();
    Sommet* premierSommet = graphe.PremierSommet();
    char depart[kTailleNom] = {};
    char arrivee[kTailleNom] = {};
    fenetre.SaisirExtremites(kTitreSaisie, depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0')
        return;
    const Releve releve = Relever(premierSommet, graphe.NbSommets());
    if (SansNumero(releve, depart) || SansNumero(releve, arrivee)) {
        RemettreNumeros(premierSommet, releve.anciens, 0);
        return;
    }
    if (releve.negatif != -1) {
        // The numbers go vertex by vertex: a refused graph keeps those of
        // the vertices after the one holding the negative arc.
        RemettreNumeros(premierSommet, releve.anciens, releve.negatif + 1);
        fenetre.AfficherMessage(kPoidsNegatifs, kTitreNegatifs);
        return;
    }
    const IndexNumeros& index = releve.index;
    if (deroulement != nullptr) {
        deroulement->Commencer(graphe, depart, arrivee);
        deroulement->Numeroter(index);
    }
    const Avancement avancement(fenetre, static_cast<uint64_t>(graphe.NbSommets()));
    AfficherChemin(graphe, index, PredecesseursDijkstra(index, index.Numero(depart), deroulement, avancement),
                   index.Numero(arrivee));
}

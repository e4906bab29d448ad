#include "algorithms/ArcsParPoids.h"
#include "algorithms/EtapesKruskal.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Kruskal.h"
#include "algorithms/Miroirs.h"
#include "algorithms/Partition.h"
#include "algorithms/Structure.h"
#include "model/Avancement.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

// A run is planned on a table of the arcs before the graph is touched. The
// steps do not depend on one another's outcome: a step picks the heaviest
// arc no earlier step has taken, and its removal takes that very arc and, in
// a non-oriented graph, its mirror. Only whether it puts them back does
// depend on the others, and that is settled for all steps at once.
namespace {
// Positions in the arc table: the arc, then its mirror if it has one. Held
// in place: a vector per step was an allocation per arc of the graph.
class ArcsDeLEtape {
public:
    explicit ArcsDeLEtape(int arc) : positions{arc, -1} {}

    void Ajouter(int arc) { positions[nombre++] = arc; }
    int Premier() const { return positions[0]; }
    const int* begin() const { return positions.data(); }
    const int* end() const { return positions.data() + nombre; }

private:
    std::array<int, 2> positions;
    int nombre = 1;
};

struct Etape {
    int origine;  // the ends, as positions of their names' first bearers
    int cible;    // -1 when no vertex bears the target's name
    ArcsDeLEtape arcs;
    bool remiseEnPlace = false;
};

struct Plan {
    std::vector<ArcDuGraphe> arcs;
    IndexSommets sommets;
    std::vector<std::pair<int, int>> bouts;  // per arc, its ends as in Etape
    std::vector<int> etapeDe;                // per arc, the step taking it, or -1
    std::vector<Etape> etapes;

    explicit Plan(const TGraphe& graphe)
        : arcs(TousLesArcs(graphe)), sommets(graphe.PremierSommet()), etapeDe(arcs.size(), -1)
    {
        for (const ArcDuGraphe& a : arcs)
            bouts.emplace_back(sommets.Position(a.origine->nom), sommets.Position(a.arc->nom));
    }
};

void Decouper(Plan& plan, bool oriente, Avancement avancement)
{
    std::optional<Miroirs> miroirs;
    if (!oriente)
        miroirs.emplace(plan.arcs, plan.sommets);

    // Arcs taken before are left alone, so that each arc is considered once
    // and the removal never takes back what a step put back.
    for (int choisi : OrdreDesChoix(plan.arcs)) {
        avancement.Avancer();
        if (plan.etapeDe[choisi] >= 0)
            continue;
        const ArcDuGraphe& a = plan.arcs[choisi];
        const int numero = static_cast<int>(plan.etapes.size());
        Etape etape{plan.bouts[choisi].first, plan.bouts[choisi].second, ArcsDeLEtape(choisi)};
        plan.etapeDe[choisi] = numero;
        if (!oriente && etape.cible >= 0) {
            // The mirror is the first record not yet taken in the target's
            // chain back to the origin with the same weight: taking only that
            // one lets a bundle of parallel edges be thinned one at a time.
            const int miroir = miroirs->Prendre(etape.cible, a.origine->nom, a.arc->valeur, plan.etapeDe);
            if (miroir >= 0) {
                plan.etapeDe[miroir] = numero;
                etape.arcs.Ajouter(miroir);
            }
        }
        plan.etapes.push_back(std::move(etape));
    }
}

// A graph that is not connected stays so whatever is removed: everything is
// put back. A connected one stays connected, and a step's removal leaves it
// connected exactly when its two ends are still joined by the arcs no step
// up to it has taken: an arc put back is the only link between two parts of
// the graph, so it lies on no other path between the ends. Adding the steps'
// arcs back in reverse order answers every step with one union-find. The
// ends are taken by name, as arcs reach them: homonyms, which only a file
// can bring, count as one vertex.
void Decider(Plan& plan, bool connexe)
{
    if (!connexe) {
        for (Etape& etape : plan.etapes)
            etape.remiseEnPlace = true;
        return;
    }
    Partition restants(plan.sommets.Nombre());
    auto joindre = [&](int arc) {
        const auto [origine, cible] = plan.bouts[arc];
        if (cible >= 0)
            restants.Unir(origine, cible);
    };
    for (int i = 0; i < static_cast<int>(plan.arcs.size()); ++i) {
        if (plan.etapeDe[i] < 0)
            joindre(i);
    }
    for (auto etape = plan.etapes.rbegin(); etape != plan.etapes.rend(); ++etape) {
        etape->remiseEnPlace = etape->cible >= 0 && !restants.MemeClasse(etape->origine, etape->cible);
        for (int arc : etape->arcs)
            joindre(arc);
    }
}

// One row per step, before the graph changes: the arc it took (a mirror
// goes with it) and whether it was put back.
void Noter(Deroulement& deroulement, const TGraphe& graphe, const Plan& plan)
{
    std::vector<int> choix;
    std::vector<bool> gardes;
    for (const Etape& etape : plan.etapes) {
        choix.push_back(etape.arcs.Premier());
        gardes.push_back(etape.remiseEnPlace);
    }
    deroulement.Commencer(graphe);
    NoterArcsConsideres(deroulement, plan.arcs, choix, gardes, Raison::Deconnecterait, Raison::ResteConnexe);
}

constexpr int kIntact = -1;
constexpr int kSupprime = -2;

// Relinks every chain once the steps are known: untouched arcs first in
// their order, then the arcs put back, step after step, each group in its
// former order, as putting them back at the end one step at a time would.
void ReconstruireChaines(TGraphe& graphe, const std::vector<int>& devenir)
{
    size_t j = 0;
    std::vector<Arc*> gardes;
    std::vector<Arc*> supprimes;
    for (Sommet& s : graphe.Sommets()) {
        std::vector<std::pair<int, Arc*>> remis;
        gardes.clear();
        supprimes.clear();
        for (Arc& a : Arcs(s)) {
            if (devenir[j] == kIntact)
                gardes.push_back(&a);
            else if (devenir[j] == kSupprime)
                supprimes.push_back(&a);
            else
                remis.emplace_back(devenir[j], &a);
            ++j;
        }
        std::stable_sort(remis.begin(), remis.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [etape, a] : remis)
            gardes.push_back(a);
        graphe.RelierChaine(s, gardes, supprimes);
    }
}
}  // namespace

void Kruskal2(TGraphe& graphe, Deroulement* deroulement)
{
    Plan plan(graphe);
    for (const ArcDuGraphe& a : plan.arcs)
        a.arc->marque = false;
    Decouper(plan, graphe.Oriente(), Avancement(graphe.Fenetre(), plan.arcs.size()));
    Decider(plan, EstConnexe(graphe));
    if (deroulement != nullptr)
        Noter(*deroulement, graphe, plan);

    std::vector<int> devenir(plan.arcs.size(), kIntact);
    for (size_t numero = 0; numero < plan.etapes.size(); ++numero) {
        const Etape& etape = plan.etapes[numero];
        for (int arc : etape.arcs) {
            // The very records removed come back, each with its own weight.
            if (etape.remiseEnPlace)
                plan.arcs[arc].arc->marque = true;
            devenir[arc] = etape.remiseEnPlace ? static_cast<int>(numero) : kSupprime;
        }
    }
    ReconstruireChaines(graphe, devenir);
}

void CommandeKruskal2(TGraphe& graphe, bool arbreMinimum, Deroulement* deroulement)
{
    // The run removes the heaviest arcs it can; the greatest tree is the
    // least one of the negated weights.
    if (!arbreMinimum)
        graphe.InverserPoids();
    Kruskal2(graphe, deroulement);
    if (!arbreMinimum)
        graphe.InverserPoids();
    graphe.Fenetre().Redessiner();
}

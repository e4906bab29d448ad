#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "ReferenceLitterale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// What a run leaves in the vertex records, in list order.
struct Trace {
    std::vector<int32_t> valeurs;
    std::vector<int32_t> compteurs;
    std::vector<bool> marques;
    bool operator==(const Trace&) const = default;
};

Trace Relever(const TGraphe& g)
{
    Trace trace;
    for (const Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
        trace.valeurs.push_back(s->valeur);
        trace.compteurs.push_back(s->compteur);
        trace.marques.push_back(s->marque);
    }
    return trace;
}

// A small random graph: loops, parallel arcs, either orientation, and in one
// graph out of three the damage a hand-edited file can hold: homonyms, an
// empty name, arcs to names no vertex bears.
void Tirer(TGraphe& g, std::mt19937& alea)
{
    const auto tirer = [&alea](int maximum) { return std::uniform_int_distribution<int>(0, maximum)(alea); };
    g.FixerOriente(tirer(3) != 0);
    const int nbSommets = tirer(7);
    for (int i = 0; i < nbSommets; ++i)
        g.AjouterSommet(std::string(1, char('A' + i)).c_str(), 0, 0);
    const int nbArcs = nbSommets == 0 ? 0 : tirer(2 * nbSommets);
    for (int k = 0; k < nbArcs; ++k)
        g.AjouterArc(std::string(1, char('A' + tirer(nbSommets - 1))).c_str(),
                     std::string(1, char('A' + tirer(nbSommets - 1))).c_str(), 1);
    if (nbSommets == 0 || tirer(2) != 0)
        return;
    for (Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (tirer(3) == 0)
            CopierNom(s->nom, tirer(4) == 0 ? "" : std::string(1, char('A' + tirer(nbSommets - 1))).c_str());
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (tirer(5) == 0)
                CopierNom(a->nom, "Z");
        }
    }
}

// Who reaches whom, by one breadth-first search from each vertex along its
// own chain, an arc leading to the store's answer for its target's name.
class Atteignables {
public:
    explicit Atteignables(const TGraphe& g)
    {
        std::map<const Sommet*, size_t> positions;
        for (const Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
            positions[s] = sommets.size();
            sommets.push_back(s);
            nomsDistincts = nomsDistincts && g.ChercherSommet(s->nom) == s;
        }
        for (const Sommet* depart : sommets) {
            std::vector<bool> atteint(sommets.size(), false);
            std::vector<const Sommet*> file{depart};
            atteint[positions[depart]] = true;
            for (size_t k = 0; k < file.size(); ++k) {
                for (const Arc* a = file[k]->arcSuivant; a != nullptr; a = a->arcSuivant) {
                    const Sommet* cible = g.ChercherSommet(a->nom);
                    if (cible != nullptr && !atteint[positions[cible]]) {
                        atteint[positions[cible]] = true;
                        file.push_back(cible);
                    }
                }
            }
            atteintDepuis.push_back(atteint);
        }
    }
    // Vertices reached by no earlier vertex that they reach back; 1 for none.
    int32_t Classes() const
    {
        int32_t classes = 0;
        for (size_t v = 0; v < sommets.size(); ++v) {
            bool premier = true;
            for (size_t u = 0; u < v; ++u)
                premier = premier && !(atteintDepuis[u][v] && atteintDepuis[v][u]);
            classes += premier ? 1 : 0;
        }
        return sommets.empty() ? 1 : classes;
    }
    bool Racine() const
    {
        return std::any_of(atteintDepuis.begin(), atteintDepuis.end(),
                           [](const std::vector<bool>& a) { return std::count(a.begin(), a.end(), false) == 0; });
    }
    // Without homonyms, no answer may depend on the list order.
    bool nomsDistincts = true;

private:
    std::vector<const Sommet*> sommets;
    std::vector<std::vector<bool>> atteintDepuis;
};

void MelangerListe(TGraphe& g, std::mt19937& alea)
{
    std::vector<Sommet*> sommets;
    for (Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant)
        sommets.push_back(s);
    std::shuffle(sommets.begin(), sommets.end(), alea);
    for (size_t i = 0; i < sommets.size(); ++i)
        sommets[i]->sommetSuivant = i + 1 < sommets.size() ? sommets[i + 1] : nullptr;
    g.premierSommet = sommets.empty() ? nullptr : sommets.front();
}

// The strong components and the arborescence answer the mathematical
// question; the rest, marks included, follows the word-for-word traversal.
TEST(Conformite, GraphesAleatoires_memesReponsesQueLaVersionMotAMot)
{
    std::mt19937 alea(20260612);
    int parcoursCompares = 0;
    for (int essai = 0; essai < 400; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        Tirer(g, alea);
        const std::string cas = "essai " + std::to_string(essai) + ": " + Etiquettes(g);

        const int32_t numeros = g.NumerotationTopologique();
        const Trace numerotation = Relever(g);
        EXPECT_EQ(NumerotationLitterale(g), numeros) << cas;
        EXPECT_EQ(Relever(g), numerotation) << cas;

        for (const bool deuxSens : {true, false}) {
            const int32_t departs = deuxSens ? g.NbComposantesConnexes() : g.NbComposantesFortementConnexes();
            const Trace parcours = Relever(g);
            const std::optional<int32_t> attendu = DepartsLitteraux(g, deuxSens);
            if (!attendu)
                continue;
            ++parcoursCompares;
            if (deuxSens) {
                EXPECT_EQ(departs, *attendu) << cas;
            }
            EXPECT_EQ(Relever(g), parcours) << cas << (deuxSens ? " (both ways)" : " (forwards)");
        }
        if (DepartsLitteraux(g, true)) {
            EXPECT_EQ(g.EstEulerien(), EulerienLitteral(g)) << cas;
        }

        const Atteignables avant(g);
        const int32_t classes = g.NbComposantesFortementConnexes();
        const bool arborescence = g.EstArborescence();
        EXPECT_EQ(classes, avant.Classes()) << cas;
        EXPECT_EQ(arborescence, g.EstArbre() && avant.Racine()) << cas;
        MelangerListe(g, alea);
        const Atteignables apres(g);
        const std::string melange = cas + ", shuffled: " + Etiquettes(g);
        EXPECT_EQ(g.NbComposantesFortementConnexes(), avant.nomsDistincts ? classes : apres.Classes()) << melange;
        EXPECT_EQ(g.EstArborescence(), avant.nomsDistincts ? arborescence : g.EstArbre() && apres.Racine())
            << melange;
    }
    EXPECT_GT(parcoursCompares, 700) << "too few traversals where the word-for-word version ends";
}

}  // namespace

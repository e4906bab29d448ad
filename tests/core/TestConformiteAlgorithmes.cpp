#include "GrapheAleatoire.h"
#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "ReferenceLitterale.h"
#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"

#include <gtest/gtest.h>

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
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
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
    Tirage tirage;
    tirage.oriente = tirer(3) != 0;
    tirage.sommets = tirer(7);
    tirage.arcs = tirage.sommets == 0 ? 0 : tirer(2 * tirage.sommets);
    tirage.lettres = true;
    Remplir(g, Tirer(tirage, alea));
    const int nbSommets = tirage.sommets;
    if (nbSommets == 0 || tirer(2) != 0)
        return;
    for (Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        if (tirer(3) == 0)
            CopierNom(s->nom, tirer(4) == 0 ? "" : std::string(1, char('A' + tirer(nbSommets - 1))).c_str());
        for (Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            if (tirer(5) == 0)
                CopierNom(a->nom, "Z");
        }
    }
}

TEST(Conformite, GraphesAleatoires_memesReponsesQueLaVersionMotAMot)
{
    std::mt19937 alea(20260612);
    int parcoursCompares = 0;
    for (int essai = 0; essai < 400; ++essai) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        Tirer(g, alea);
        const std::string cas = "essai " + std::to_string(essai) + ": " + Etiquettes(g);

        const int32_t numeros = NumerotationTopologique(g);
        const Trace numerotation = Relever(g);
        EXPECT_EQ(NumerotationLitterale(g), numeros) << cas;
        EXPECT_EQ(Relever(g), numerotation) << cas;

        for (const bool deuxSens : {true, false}) {
            const int32_t departs = deuxSens ? NbComposantesConnexes(g) : NbComposantesFortementConnexes(g);
            const Trace parcours = Relever(g);
            const std::optional<int32_t> attendu = DepartsLitteraux(g, deuxSens);
            if (!attendu)
                continue;
            ++parcoursCompares;
            EXPECT_EQ(departs, *attendu) << cas << (deuxSens ? " (both ways)" : " (forwards)");
            EXPECT_EQ(Relever(g), parcours) << cas;
        }
        if (DepartsLitteraux(g, true)) {
            EXPECT_EQ(EstEulerien(g), EulerienLitteral(g)) << cas;
        }
    }
    EXPECT_GT(parcoursCompares, 700) << "too few traversals where the word-for-word version ends";
}

}  // namespace

#include "GrapheAleatoire.h"
#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "ReferenceLitterale.h"
#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
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

// What each vertex reaches, by a breadth-first search along its own chain,
// an arc leading to the store's answer for its target's name.
using Atteints = std::map<const Sommet*, std::set<const Sommet*>>;

Atteints Atteindre(const TGraphe& g)
{
    Atteints atteints;
    for (const Sommet* depart = g.PremierSommet(); depart != nullptr; depart = depart->sommetSuivant) {
        std::set<const Sommet*>& atteint = atteints[depart] = {depart};
        std::vector<const Sommet*> file{depart};
        for (size_t k = 0; k < file.size(); ++k) {
            for (const Arc* a = file[k]->arcSuivant; a != nullptr; a = a->arcSuivant) {
                const Sommet* cible = g.ChercherSommet(a->nom);
                if (cible != nullptr && atteint.insert(cible).second)
                    file.push_back(cible);
            }
        }
    }
    return atteints;
}

// The distinct sets of vertices that reach each other; 1 for no vertex.
int32_t ClassesMutuelles(const Atteints& atteints)
{
    std::set<std::set<const Sommet*>> classes;
    for (const auto& [sommet, atteint] : atteints) {
        std::set<const Sommet*> classe;
        for (const Sommet* autre : atteint) {
            if (atteints.at(autre).count(sommet) != 0)
                classe.insert(autre);
        }
        classes.insert(classe);
    }
    return classes.empty() ? 1 : int32_t(classes.size());
}

bool RacineAtteintTout(const Atteints& atteints)
{
    return std::any_of(atteints.begin(), atteints.end(),
                       [&atteints](const auto& paire) { return paire.second.size() == atteints.size(); });
}

// The same records in a shuffled list order, each chain as it was, homonyms
// and arcs to missing names included.
void CopierMelange(const TGraphe& source, TGraphe& copie, std::mt19937& alea)
{
    std::vector<const Sommet*> sommets;
    for (const Sommet* s = source.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        sommets.push_back(s);
    std::shuffle(sommets.begin(), sommets.end(), alea);
    copie.FixerOriente(source.Oriente());
    Sommet* dernier = nullptr;
    for (const Sommet* s : sommets) {
        dernier = &copie.AccrocherSommet(dernier, s->nom, s->x, s->y);
        Arc* fin = dernier;
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            fin = &copie.AccrocherArc(*fin, *a, a->valeur);
    }
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
            if (deuxSens) {
                EXPECT_EQ(departs, *attendu) << cas;
            }
            EXPECT_EQ(Relever(g), parcours) << cas << (deuxSens ? " (both ways)" : " (forwards)");
        }
        if (DepartsLitteraux(g, true)) {
            EXPECT_EQ(EstEulerien(g), EulerienLitteral(g)) << cas;
        }

        // Without homonyms, no answer may depend on the list order.
        bool nomsDistincts = true;
        for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant)
            nomsDistincts = nomsDistincts && g.ChercherSommet(s->nom) == s;
        const Atteints avant = Atteindre(g);
        const int32_t classes = NbComposantesFortementConnexes(g);
        const bool arborescence = EstArborescence(g);
        EXPECT_EQ(classes, ClassesMutuelles(avant)) << cas;
        EXPECT_EQ(arborescence, EstArbre(g) && RacineAtteintTout(avant)) << cas;
        TGraphe melange{fenetre};
        CopierMelange(g, melange, alea);
        const Atteints apres = Atteindre(melange);
        const std::string contexte = cas + ", shuffled: " + Etiquettes(melange);
        EXPECT_EQ(NbComposantesFortementConnexes(melange), nomsDistincts ? classes : ClassesMutuelles(apres))
            << contexte;
        EXPECT_EQ(EstArborescence(melange),
                  nomsDistincts ? arborescence : EstArbre(melange) && RacineAtteintTout(apres))
            << contexte;
    }
    EXPECT_GT(parcoursCompares, 700) << "too few traversals where the word-for-word version ends";
}

}  // namespace

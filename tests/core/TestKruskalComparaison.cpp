#include "GrapheAleatoire.h"
#include "FauxServices.h"
#include "KruskalLitteral.h"
#include "OutilsArbres.h"
#include "algorithms/Kruskal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <functional>
#include <map>
#include <set>
#include <random>

namespace {

// A small random graph: few names so that parallel arcs, loops, circuits and
// equal weights are common, and now and then a weight at the floor.
Tirage PetitTirage(std::mt19937& hasard)
{
    auto tirer = [&hasard](int bas, int haut) { return std::uniform_int_distribution<int>(bas, haut)(hasard); };
    Tirage tirage;
    tirage.oriente = tirer(0, 1) == 1;
    tirage.sommets = tirer(1, 7);
    tirage.arcs = tirer(0, tirage.oriente ? 12 : 7);
    tirage.lettres = true;
    tirage.poidsMin = -3;
    tirage.poidsMax = 3;
    tirage.poidsRares = {-1000000, -999999, 999999, 1000000, INT_MIN, INT_MAX};
    tirage.coordonneeMax = 300;
    return tirage;
}

struct Paire {
    FauxServices fenetreRapide;
    FauxServices fenetreLitterale;
    TGraphe rapide{fenetreRapide};
    TGraphe litteral{fenetreLitterale};

    explicit Paire(const GrapheGenere& a)
    {
        Remplir(rapide, a);
        Remplir(litteral, a);
        // Arcs record their target's position apart from the vertex's own, so
        // that a vertex placed from the wrong record shows.
        for (TGraphe* g : {&rapide, &litteral}) {
            for (Sommet* s = g->PremierSommet(); s != nullptr; s = s->sommetSuivant) {
                for (Arc* arc = s->arcSuivant; arc != nullptr; arc = arc->arcSuivant)
                    arc->x += 1000;
            }
        }
    }
};

void Entourer(TGraphe& g, bool inverser, void (*run)(TGraphe&))
{
    if (inverser)
        g.InverserPoids();
    run(g);
    if (inverser)
        g.InverserPoids();
}

TEST(KruskalComparaison, Kruskal1_commeLesEtapesMotAMot)
{
    std::mt19937 hasard(20261208);
    for (int essai = 0; essai < 400; ++essai) {
        const GrapheGenere a = Tirer(PetitTirage(hasard), hasard);
        for (bool minimum : {false, true}) {
            Paire p(a);
            CommandeKruskal1(p.rapide, minimum);
            Entourer(p.litteral, minimum, [](TGraphe& g) {
                litteral::Kruskal1(g, g.Fenetre().CreerFenetreResultat());
            });
            const std::string graphe = Decrire(p.litteral);
            ASSERT_EQ(p.fenetreRapide.resultats.size(), 1u);
            EXPECT_EQ(Decrire(*p.fenetreRapide.resultats[0].graphe), Decrire(*p.fenetreLitterale.resultats[0].graphe))
                << "essai " << essai << (minimum ? " min" : " max") << " sur " << graphe;
            EXPECT_EQ(Decrire(p.rapide), graphe) << "essai " << essai;
        }
    }
}

TEST(KruskalComparaison, Kruskal2_commeLesEtapesMotAMot)
{
    std::mt19937 hasard(8);
    for (int essai = 0; essai < 400; ++essai) {
        const GrapheGenere a = Tirer(PetitTirage(hasard), hasard);
        for (bool minimum : {false, true}) {
            Paire p(a);
            const std::string avant = Decrire(p.litteral);
            CommandeKruskal2(p.rapide, minimum);
            Entourer(p.litteral, !minimum, [](TGraphe& g) { litteral::Kruskal2(g); });
            EXPECT_EQ(Decrire(p.rapide), Decrire(p.litteral))
                << "essai " << essai << (minimum ? " min" : " max") << " sur " << avant;
            EXPECT_EQ(CompterEnregistrements(p.rapide).second, p.rapide.NbArcs());
        }
    }
}

TEST(KruskalComparaison, ContientCycle_commeLesEtapesMotAMot)
{
    std::mt19937 hasard(3);
    int vrais = 0;
    for (int essai = 0; essai < 600; ++essai) {
        Tirage tirage = PetitTirage(hasard);
        tirage.oriente = true;
        tirage.arcs = std::min(tirage.arcs, essai % 6);
        Paire p(Tirer(tirage, hasard));
        const bool attendu = litteral::ContientCycle(p.litteral);
        vrais += attendu;
        EXPECT_EQ(ContientCycle(p.rapide), attendu) << "essai " << essai << " sur " << Decrire(p.rapide);
    }
    EXPECT_GT(vrais, 100);
    EXPECT_LT(vrais, 500);
}

// ---- Cost ------------------------------------------------------------------

// 2,000 vertices joined by a random spanning tree, then random arcs up to
// 10,000 arc records.
void GrandGraphe(TGraphe& g, bool oriente, std::mt19937& hasard)
{
    Tirage tirage;
    tirage.sommets = 2000;
    tirage.arcs = oriente ? 10000 : 5000;
    tirage.oriente = oriente;
    tirage.arbreCouvrant = true;
    tirage.poidsMin = 0;
    tirage.poidsMax = 1000;
    tirage.coordonneeMax = 2000;
    Remplir(g, Tirer(tirage, hasard));
}

// Connectivity taken without orientation, by a plain breadth-first search:
// the word-for-word test is cubic and far too slow at this size.
bool Connexe(const TGraphe& g)
{
    std::map<std::string, std::vector<std::string>> voisins;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        voisins[s->nom];
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            voisins[s->nom].push_back(a->nom);
            voisins[a->nom].push_back(s->nom);
        }
    }
    std::set<std::string> atteints{g.PremierSommet()->nom};
    std::vector<std::string> file{g.PremierSommet()->nom};
    while (!file.empty()) {
        const std::string nom = file.back();
        file.pop_back();
        for (const std::string& voisin : voisins[nom]) {
            if (atteints.insert(voisin).second)
                file.push_back(voisin);
        }
    }
    return atteints.size() == voisins.size();
}

double Secondes(const std::function<void()>& travail)
{
    const auto debut = std::chrono::steady_clock::now();
    travail();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

TEST(KruskalComparaison, GrandGraphe_chaqueArbreEnQuelquesSecondes)
{
    std::mt19937 hasard(2000);
    for (bool oriente : {true, false}) {
        for (bool minimum : {false, true}) {
            FauxServices fenetre;
            TGraphe g{fenetre};
            GrandGraphe(g, oriente, hasard);
            ASSERT_EQ(g.NbArcs(), 10000);
            ASSERT_TRUE(Connexe(g));
            EXPECT_LT(Secondes([&] { CommandeKruskal1(g, minimum); }), 3.0);
            TGraphe& arbre = *fenetre.resultats[0].graphe;
            EXPECT_FALSE(ContientCycle(arbre));
            EXPECT_GT(arbre.NbArcs(), 1000);
            EXPECT_LT(Secondes([&] { CommandeKruskal2(g, minimum); }), 3.0);
            EXPECT_TRUE(Connexe(g)) << "Kruskal n°2 never disconnects";
            EXPECT_EQ(CompterEnregistrements(g).second, g.NbArcs());
        }
    }
}

}  // namespace

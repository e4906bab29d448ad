#include "FauxServices.h"
#include "KruskalLitteral.h"
#include "OutilsArbres.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <random>

namespace {

// A small random graph: few names so that parallel arcs, loops, circuits and
// equal weights are common, and now and then a weight at the floor.
struct GrapheAleatoire {
    bool oriente;
    std::vector<std::string> noms;
    std::vector<ArcDecrit> arcs;

    explicit GrapheAleatoire(std::mt19937& hasard)
    {
        auto tirer = [&hasard](int bas, int haut) { return std::uniform_int_distribution<int>(bas, haut)(hasard); };
        oriente = tirer(0, 1) == 1;
        const int n = tirer(1, 7);
        for (int i = 0; i < n; ++i)
            noms.push_back(std::string(1, char('A' + i)));
        const int m = tirer(0, oriente ? 12 : 7);
        static const int32_t extremes[] = {-1000000, -999999, 999999, 1000000, INT_MIN, INT_MAX};
        for (int i = 0; i < m; ++i) {
            const int32_t poids = tirer(0, 9) == 0 ? extremes[tirer(0, 5)] : tirer(-3, 3);
            arcs.push_back({noms[tirer(0, n - 1)], noms[tirer(0, n - 1)], poids});
        }
    }
};

struct Paire {
    FauxServices fenetreRapide;
    FauxServices fenetreLitterale;
    TGraphe rapide{fenetreRapide};
    TGraphe litteral{fenetreLitterale};

    explicit Paire(const GrapheAleatoire& a)
    {
        Construire(rapide, a.oriente, a.noms, a.arcs);
        Construire(litteral, a.oriente, a.noms, a.arcs);
        // Arcs record their target's position apart from the vertex's own, so
        // that a vertex placed from the wrong record shows.
        for (TGraphe* g : {&rapide, &litteral}) {
            for (Sommet* s = g->premierSommet; s != nullptr; s = s->sommetSuivant) {
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
        const GrapheAleatoire a(hasard);
        for (bool minimum : {false, true}) {
            Paire p(a);
            p.rapide.CommandeKruskal1(minimum);
            Entourer(p.litteral, minimum, [](TGraphe& g) {
                litteral::Kruskal1(g, g.fenetre.CreerFenetreResultat());
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
        const GrapheAleatoire a(hasard);
        for (bool minimum : {false, true}) {
            Paire p(a);
            const std::string avant = Decrire(p.litteral);
            p.rapide.CommandeKruskal2(minimum);
            Entourer(p.litteral, !minimum, [](TGraphe& g) { litteral::Kruskal2(g); });
            EXPECT_EQ(Decrire(p.rapide), Decrire(p.litteral))
                << "essai " << essai << (minimum ? " min" : " max") << " sur " << avant;
            EXPECT_EQ(CompterEnregistrements(p.rapide).second, p.rapide.nbArcs);
        }
    }
}

TEST(KruskalComparaison, ContientCycle_commeLesEtapesMotAMot)
{
    std::mt19937 hasard(3);
    int vrais = 0;
    for (int essai = 0; essai < 600; ++essai) {
        GrapheAleatoire a(hasard);
        a.oriente = true;
        a.arcs.resize(std::min<size_t>(a.arcs.size(), essai % 6));
        Paire p(a);
        const bool attendu = litteral::ContientCycle(p.litteral);
        vrais += attendu;
        EXPECT_EQ(p.rapide.ContientCycle(), attendu) << "essai " << essai << " sur " << Decrire(p.rapide);
    }
    EXPECT_GT(vrais, 100);
    EXPECT_LT(vrais, 500);
}

// ---- Cost ------------------------------------------------------------------

// 2,000 vertices joined by a random spanning tree, then random arcs up to
// 10,000 arc records.
void GrandGraphe(TGraphe& g, bool oriente, std::mt19937& hasard)
{
    constexpr int n = 2000;
    const int aretes = oriente ? 10000 : 5000;
    auto tirer = [&hasard](int haut) { return std::uniform_int_distribution<int>(0, haut)(hasard); };
    auto nom = [](int i) { return "S" + std::to_string(i); };
    g.FixerOriente(oriente);
    for (int i = 0; i < n; ++i)
        g.AjouterSommet(nom(i).c_str(), tirer(2000), tirer(2000));
    for (int i = 1; i < n; ++i)
        g.AjouterArc(nom(tirer(i - 1)).c_str(), nom(i).c_str(), tirer(1000));
    for (int i = n - 1; i < aretes; ++i)
        g.AjouterArc(nom(tirer(n - 1)).c_str(), nom(tirer(n - 1)).c_str(), tirer(1000));
}

// Connectivity taken without orientation, by a plain breadth-first search:
// the word-for-word test is cubic and far too slow at this size.
bool Connexe(const TGraphe& g)
{
    std::map<std::string, std::vector<std::string>> voisins;
    for (const Sommet* s = g.premierSommet; s != nullptr; s = s->sommetSuivant) {
        voisins[s->nom];
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            voisins[s->nom].push_back(a->nom);
            voisins[a->nom].push_back(s->nom);
        }
    }
    std::set<std::string> atteints{g.premierSommet->nom};
    std::vector<std::string> file{g.premierSommet->nom};
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

TEST(KruskalComparaison, GrandGraphe_arbreSansCycleEtGrapheConnexe)
{
    std::mt19937 hasard(2000);
    for (bool oriente : {true, false}) {
        for (bool minimum : {false, true}) {
            FauxServices fenetre;
            TGraphe g{fenetre};
            GrandGraphe(g, oriente, hasard);
            ASSERT_EQ(g.nbArcs, 10000);
            ASSERT_TRUE(Connexe(g));
            g.CommandeKruskal1(minimum);
            TGraphe& arbre = *fenetre.resultats[0].graphe;
            EXPECT_FALSE(arbre.ContientCycle());
            EXPECT_GT(arbre.nbArcs, 1000);
            g.CommandeKruskal2(minimum);
            EXPECT_TRUE(Connexe(g)) << "Kruskal n°2 never disconnects";
            EXPECT_EQ(CompterEnregistrements(g).second, g.nbArcs);
        }
    }
}

}  // namespace

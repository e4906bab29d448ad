#include "GrapheAleatoire.h"
#include "FauxServices.h"
#include "KruskalLitteral.h"
#include "OutilsArbres.h"
#include "algorithms/Kruskal.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <random>

namespace {

bool Connexe(const TGraphe& g);

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

// Union-find over names.
struct Classes {
    std::map<std::string, std::string> parent;

    std::string Racine(const std::string& nom)
    {
        const auto trouve = parent.find(nom);
        if (trouve == parent.end() || trouve->second == nom)
            return nom;
        return trouve->second = Racine(trouve->second);
    }
    bool Unir(const std::string& a, const std::string& b)
    {
        const std::string ra = Racine(a);
        const std::string rb = Racine(b);
        parent[ra] = ra;
        parent[rb] = ra;
        return ra != rb;
    }
};

std::vector<ArcDecrit> ArcsDe(const TGraphe& g)
{
    std::vector<ArcDecrit> arcs;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant) {
            // An edge once, by its record towards the later name (a loop twice).
            if (g.Oriente() || std::string(s->nom) <= a->nom)
                arcs.push_back({s->nom, a->nom, a->valeur});
        }
    }
    return arcs;
}

// The arcs kept must be a forest of the arcs the run may pick, spanning each
// connected part, and weigh what a plain Kruskal gives on those arcs sorted
// by weight. Kruskal n°1 keeps the heaviest of the weights as it sees them,
// Kruskal n°2 the lightest and every arc it never picks.
void VerifierOptimum(const std::vector<ArcDecrit>& source, const std::vector<ArcDecrit>& gardes, bool inverse,
                     bool kruskal2, const std::string& contexte)
{
    auto vue = [inverse](int32_t poids) { return inverse ? int32_t(0u - uint32_t(poids)) : poids; };
    auto choisissable = [&vue](const ArcDecrit& a) { return vue(a.poids) > -1000000; };
    Classes optimum;
    Classes foret;
    std::vector<ArcDecrit> choisissables;
    for (const ArcDecrit& a : source) {
        if (choisissable(a)) {
            choisissables.push_back(a);
        } else if (kruskal2) {
            optimum.Unir(a.origine, a.cible);
            foret.Unir(a.origine, a.cible);
        }
    }
    std::stable_sort(choisissables.begin(), choisissables.end(), [&](const ArcDecrit& a, const ArcDecrit& b) {
        return kruskal2 ? vue(a.poids) < vue(b.poids) : vue(a.poids) > vue(b.poids);
    });
    int64_t meilleur = 0;
    for (const ArcDecrit& a : choisissables) {
        if (a.origine != a.cible && optimum.Unir(a.origine, a.cible))
            meilleur += vue(a.poids);
    }
    int64_t poids = 0;
    for (const ArcDecrit& a : gardes) {
        if (!choisissable(a))
            continue;
        EXPECT_TRUE(a.origine != a.cible && foret.Unir(a.origine, a.cible))
            << a.origine << " to " << a.cible << " closes a cycle, " << contexte;
        poids += vue(a.poids);
    }
    EXPECT_EQ(poids, meilleur) << contexte;
    for (const ArcDecrit& a : choisissables)
        EXPECT_EQ(foret.Racine(a.origine), foret.Racine(a.cible))
            << a.origine << " and " << a.cible << " left apart, " << contexte;
}

int64_t Poids(const TGraphe& g)
{
    int64_t total = 0;
    for (const ArcDecrit& a : ArcsDe(g))
        total += a.poids;
    return total;
}

// The word-for-word window is kept when its tree is as good as the one of
// Kruskal's rule.
TEST(KruskalComparaison, Kruskal1_commeLesEtapesDeReference_arbreOptimal)
{
    std::mt19937 hasard(20261208);
    int remplacees = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const GrapheGenere a = Tirer(PetitTirage(hasard), hasard);
        const std::vector<ArcDecrit> source = ArcsDe(Paire(a).rapide);
        for (bool minimum : {false, true}) {
            Paire p(a);
            CommandeKruskal1(p.rapide, minimum);
            Entourer(p.litteral, minimum, [](TGraphe& g) {
                litteral::Kruskal1(g, g.Fenetre().CreerFenetreResultat());
                litteral::Kruskal1SelonLaRegle(g, g.Fenetre().CreerFenetreResultat());
            });
            const std::string graphe = Decrire(p.litteral);
            const std::string contexte =
                "essai " + std::to_string(essai) + (minimum ? " min" : " max") + " sur " + graphe;
            ASSERT_EQ(p.fenetreRapide.resultats.size(), 1u);
            const TGraphe& mot = *p.fenetreLitterale.resultats[0].graphe;
            const TGraphe& regle = *p.fenetreLitterale.resultats[1].graphe;
            const bool garde = mot.NbArcs() == regle.NbArcs() && Poids(mot) == Poids(regle);
            remplacees += !garde;
            const TGraphe& arbre = *p.fenetreRapide.resultats[0].graphe;
            EXPECT_EQ(Decrire(arbre), Decrire(garde ? mot : regle)) << contexte;
            EXPECT_EQ(Decrire(p.rapide), graphe) << contexte;
            VerifierOptimum(source, ArcsDe(arbre), minimum, false, contexte);
        }
    }
    EXPECT_GT(remplacees, 100);
}

TEST(KruskalComparaison, Kruskal2_commeLesEtapesDeReference_arbreOptimal)
{
    std::mt19937 hasard(8);
    int connexes = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const GrapheGenere a = Tirer(PetitTirage(hasard), hasard);
        const std::vector<ArcDecrit> source = ArcsDe(Paire(a).rapide);
        const bool connexe = Connexe(Paire(a).rapide);
        connexes += connexe;
        for (bool minimum : {false, true}) {
            Paire p(a);
            const std::string avant = Decrire(p.litteral);
            CommandeKruskal2(p.rapide, minimum);
            Entourer(p.litteral, !minimum, [](TGraphe& g) { litteral::Kruskal2(g); });
            const std::string contexte =
                "essai " + std::to_string(essai) + (minimum ? " min" : " max") + " sur " + avant;
            EXPECT_EQ(Decrire(p.rapide), Decrire(p.litteral)) << contexte;
            EXPECT_EQ(CompterEnregistrements(p.rapide).second, p.rapide.NbArcs());
            // A graph that is not connected keeps every arc, as the reference shows.
            if (connexe)
                VerifierOptimum(source, ArcsDe(p.rapide), !minimum, true, contexte);
        }
    }
    EXPECT_GT(connexes, 100);
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

TEST(KruskalComparaison, GrandGraphe_arbresOptimauxEtGrapheConnexe)
{
    std::mt19937 hasard(2000);
    for (bool oriente : {true, false}) {
        for (bool minimum : {false, true}) {
            FauxServices fenetre;
            TGraphe g{fenetre};
            GrandGraphe(g, oriente, hasard);
            ASSERT_EQ(g.NbArcs(), 10000);
            ASSERT_TRUE(Connexe(g));
            const std::vector<ArcDecrit> source = ArcsDe(g);
            CommandeKruskal1(g, minimum);
            TGraphe& arbre = *fenetre.resultats[0].graphe;
            EXPECT_EQ(arbre.NbArcs(), 1999);
            VerifierOptimum(source, ArcsDe(arbre), minimum, false, "Kruskal n°1");
            CommandeKruskal2(g, minimum);
            EXPECT_TRUE(Connexe(g)) << "Kruskal n°2 never disconnects";
            VerifierOptimum(source, ArcsDe(g), !minimum, true, "Kruskal n°2");
            EXPECT_EQ(CompterEnregistrements(g).second, g.NbArcs());
        }
    }
}

}  // namespace

#include "GrapheAleatoire.h"
#include "OutilsChemins.h"

#include "algorithms/DeroulementCommande.h"
#include "algorithms/TableauDeroulement.h"
#include "render/TexteTableau.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

namespace {

using Textes = std::vector<std::string>;

// One command run twice on the same graph, with and without a recorder.
struct Double {
    FauxServices fenetreTemoin;
    FauxServices fenetre;
    TGraphe temoin{fenetreTemoin};
    TGraphe g{fenetre};
    Deroulement deroulement;

    Double(const GrapheGenere& a, Commande commande) : deroulement(*DeroulementDe(commande))
    {
        Remplir(temoin, a);
        Remplir(g, a);
    }
    void Lancer(Commande commande, const std::string& depart = {}, const std::string& arrivee = {})
    {
        fenetreTemoin.reponsesExtremites.emplace_back(depart, arrivee);
        fenetre.reponsesExtremites.emplace_back(depart, arrivee);
        ExecuterCommande(temoin, commande);
        ExecuterCommande(g, commande, &deroulement);
    }
    // What the run left for the user: the result window's arcs, or the graph's own.
    static Textes Resultat(const FauxServices& f, const TGraphe& graphe)
    {
        const TGraphe* r = FenetreChemin(f);
        Textes t = NomsSommets(r != nullptr ? *r : graphe);
        const Textes arcs = ArcsEnTexte(r != nullptr ? *r : graphe);
        t.insert(t.end(), arcs.begin(), arcs.end());
        return t;
    }
    void VerifierMemeResultat() const
    {
        EXPECT_EQ(Resultat(fenetre, g), Resultat(fenetreTemoin, temoin)) << "recording changed the run";
        EXPECT_EQ(fenetre.messages.size(), fenetreTemoin.messages.size());
    }
};

// The path read back from the last row's predecessors, arrival first, as
// the path window lists it.
Textes CheminDeLaDerniereLigne(const Deroulement& d, const std::string& arrivee)
{
    const EtapeChemin& derniere = d.Chemins().back();
    const auto& colonnes = d.Colonnes();
    int32_t c = static_cast<int32_t>(std::find(colonnes.begin(), colonnes.end(), arrivee) - colonnes.begin());
    Textes chemin;
    std::vector<bool> vu(colonnes.size(), false);
    for (; c >= 0 && !vu[size_t(c)]; c = derniere.predecesseurs[size_t(c)]) {
        vu[size_t(c)] = true;
        chemin.push_back(colonnes[size_t(c)]);
    }
    return chemin;
}

// The kept arcs as "origin>target:weight", weights as entered. Kruskal n°2
// (`retour`) leaves in the graph too the arcs no run can pick, and keeps a
// non-oriented graph's edge both ways (`deuxSens`).
Textes ArcsGardes(const Deroulement& d, bool retour, bool deuxSens)
{
    Textes arcs;
    for (const EtapeArbre& e : d.Arbres()) {
        const int32_t poids = PoidsSaisi(e.poids, d.PoidsInverses());
        const bool reste = e.garde || (retour && e.raison == Raison::HorsLimite);
        if (!reste)
            continue;
        arcs.push_back(e.origine + ">" + e.cible + ":" + std::to_string(poids));
        if (deuxSens && e.raison != Raison::HorsLimite)
            arcs.push_back(e.cible + ">" + e.origine + ":" + std::to_string(poids));
    }
    std::sort(arcs.begin(), arcs.end());
    return arcs;
}

Textes Trier(Textes t)
{
    std::sort(t.begin(), t.end());
    return t;
}

TEST(Deroulement, CheminsAleatoires_laDerniereLigneDonneLeCheminDeLaFenetre)
{
    std::mt19937 hasard(22);
    const Commande commandes[] = {Commande::Dijkstra, Commande::BellmanMin, Commande::BellmanMax, Commande::FordMin,
                                  Commande::FordMax};
    for (int essai = 0; essai < 300; ++essai) {
        const Commande commande = commandes[essai % 5];
        const bool dijkstra = commande == Commande::Dijkstra;
        Tirage tirage;
        tirage.sommets = 2 + essai % 8;
        tirage.arcs = essai % 17;
        tirage.lettres = true;
        tirage.sansCircuit = !dijkstra;
        tirage.poidsMin = dijkstra ? 0 : -4;
        tirage.poidsMax = 9;
        const GrapheGenere a = Tirer(tirage, hasard);
        const std::string depart = a.noms[size_t(essai) % a.noms.size()];
        const std::string arrivee = a.noms[size_t(essai * 7 + 3) % a.noms.size()];
        Double d(a, commande);
        d.Lancer(commande, depart, arrivee);
        SCOPED_TRACE("essai " + std::to_string(essai) + " de " + depart + " à " + arrivee);
        d.VerifierMemeResultat();
        const TGraphe* chemin = FenetreChemin(d.fenetre);
        ASSERT_NE(chemin, nullptr);
        ASSERT_FALSE(d.deroulement.Chemins().empty());
        EXPECT_EQ(CheminDeLaDerniereLigne(d.deroulement, arrivee), NomsSommets(*chemin));
        if (dijkstra) {
            // Each row settles a new vertex, at a distance no smaller than the last one's.
            int64_t avant = 0;
            for (const EtapeChemin& e : d.deroulement.Chemins()) {
                EXPECT_TRUE(e.regles[size_t(e.sommet)]);
                EXPECT_LE(avant, e.distances[size_t(e.sommet)]);
                avant = e.distances[size_t(e.sommet)];
            }
        }
    }
}

TEST(Deroulement, ArbresAleatoires_lesArcsGardesSontLArbre)
{
    std::mt19937 hasard(2222);
    const Commande commandes[] = {Commande::Kruskal1Min, Commande::Kruskal1Max, Commande::Kruskal2Min,
                                  Commande::Kruskal2Max};
    for (int essai = 0; essai < 400; ++essai) {
        const Commande commande = commandes[essai % 4];
        Tirage tirage;
        tirage.oriente = essai % 3 != 0;
        tirage.sommets = 1 + essai % 7;
        tirage.arcs = essai % 11;
        tirage.lettres = true;
        tirage.poidsMin = -3;
        tirage.poidsMax = 3;
        tirage.poidsRares = {-1000000, 1000000, INT_MIN, INT_MAX};
        const GrapheGenere a = Tirer(tirage, hasard);
        Double d(a, commande);
        d.Lancer(commande);
        SCOPED_TRACE("essai " + std::to_string(essai));
        d.VerifierMemeResultat();
        if (tirage.oriente || commande <= Commande::Kruskal1Max) {
            EXPECT_EQ(d.deroulement.Arbres().size(), size_t(a.NombreArcs())) << "every arc is considered once";
        }
        if (commande <= Commande::Kruskal1Max) {
            const TGraphe* arbre = FenetreChemin(d.fenetre);
            ASSERT_NE(arbre, nullptr);
            EXPECT_EQ(ArcsGardes(d.deroulement, false, false), Trier(ArcsEnTexte(*arbre)));
        } else {
            EXPECT_EQ(ArcsGardes(d.deroulement, true, !tirage.oriente), Trier(ArcsEnTexte(d.g)));
        }
    }
}
}  // namespace

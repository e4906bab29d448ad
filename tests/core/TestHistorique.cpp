// Undo and redo through snapshots: random sessions of edits and of the
// commands that rewrite the graph, undone back to their start and redone to
// their end, the saved bytes compared with those of each step.

#include "DossierSessions.h"
#include "FauxServices.h"
#include "GrapheAleatoire.h"

#include "algorithms/Commandes.h"
#include "model/Instantane.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<unsigned char>;

struct Historique : DossierSessions {
    Octets Sauve(TGraphe& g) const
    {
        const std::string chemin = (dossier / "g.gff").string();
        EXPECT_TRUE(g.Sauvegarder(chemin));
        std::ifstream flux(chemin, std::ios::binary);
        return Octets(std::istreambuf_iterator<char>(flux), {});
    }

    // Undoes every step back to the first state, then redoes them all, each
    // state compared byte for byte with the file saved when it was reached.
    void Rejouer(TGraphe& g, const std::vector<Retouche>& pas, const std::vector<Octets>& sauves, Instantane courant,
                 uint32_t graine) const
    {
        for (size_t k = pas.size(); k-- > 0;) {
            pas[k].Defaire(courant);
            courant.Restaurer(g);
            ASSERT_EQ(Sauve(g), sauves[k]) << "graine " << graine << ", défait jusqu'au pas " << k;
        }
        for (size_t k = 0; k < pas.size(); ++k) {
            pas[k].Refaire(courant);
            courant.Restaurer(g);
            ASSERT_EQ(Sauve(g), sauves[k + 1]) << "graine " << graine << ", refait le pas " << k;
        }
    }
};

constexpr Commande kCommandesQuiModifient[] = {
    Commande::NumerotationTopologique,
    Commande::Circuit,
    Commande::Kruskal2Min,
    Commande::Kruskal2Max,
    Commande::Kruskal1Min,
    Commande::Connexite,
};

TEST_F(Historique, SessionsAleatoires_defaitesPuisRefaitesOctetPourOctet)
{
    const char* const noms[] = {"A", "B", "C", "D", "E", "nom-de-19-octets-ok"};
    for (uint32_t graine = 1; graine <= 200; ++graine) {
        std::mt19937 alea(graine);
        auto tirer = [&](uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(alea); };
        Tirage tirage;
        tirage.sommets = 1 + int(tirer(5));
        tirage.arcs = int(tirer(10));
        tirage.oriente = tirer(2) == 0;
        tirage.lettres = true;
        tirage.poidsMin = -3;
        tirage.poidsMax = 9;
        tirage.coordonneeMax = 400;
        FauxServices fenetre;
        TGraphe g(fenetre);
        g.FixerOriente(tirage.oriente);
        Remplir(g, Tirer(tirage, alea));
        g.FixerNomFichier("/le/fichier/de/la/fenetre.gff");

        Instantane courant = Instantane::Prendre(g);
        std::vector<Retouche> pas;
        std::vector<Octets> sauves{Sauve(g)};
        for (int i = 0; i < 15; ++i) {
            const char* a = noms[tirer(6)];
            const char* b = noms[tirer(6)];
            switch (tirer(6)) {
            case 0:
                g.AjouterSommet(a, int32_t(tirer(500)), int32_t(tirer(500)));
                break;
            case 1:
                g.AjouterArc(a, b, int32_t(tirer(20)) - 5);
                break;
            case 2:
                g.SupprimerSommet(a);
                break;
            case 3:
                g.SupprimerArc(a, b);
                break;
            case 4:
                g.DeplacerSommet(a, int32_t(tirer(500)), -int32_t(tirer(500)));
                break;
            default:
                ExecuterCommande(g, kCommandesQuiModifient[tirer(std::size(kCommandesQuiModifient))]);
                break;
            }
            Instantane apres = Instantane::Prendre(g);
            if (apres == courant)
                continue;
            pas.emplace_back(courant, apres);
            courant = std::move(apres);
            sauves.push_back(Sauve(g));
        }
        Rejouer(g, pas, sauves, courant, graine);
        if (HasFatalFailure())
            return;
    }
}

TEST_F(Historique, FichierAHomonymesEtArcsPendants_rendusTelsQuels)
{
    // Only a file can hold two vertices named A, an arc to nobody, and an arc
    // copy at another place than its target: a restore rebuilds them as read.
    GrapheGenere lu;
    lu.noms = {"A", "B", "A"};
    lu.positions = {{1, 2}, {30, 40}, {5, 6}};
    lu.sortants = {{{1, 7}, {2, -4}}, {{0, 3}}, {{2, 1}}};
    const std::string chemin = (dossier / "homonymes.gff").string();
    {
        const Octets octets = EnGff(lu);
        std::ofstream(chemin, std::ios::binary)
            .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
    }
    FauxServices fenetre;
    TGraphe g(fenetre);
    g.Charger(chemin);
    g.PremierSommet()->arcSuivant->x = 999;
    const Octets avant = Sauve(g);
    const Instantane depart = Instantane::Prendre(g);
    ExecuterCommande(g, Commande::Kruskal2Min);
    g.SupprimerSommet("A");
    Instantane courant = Instantane::Prendre(g);
    const Retouche retouche(depart, courant);
    retouche.Defaire(courant);
    EXPECT_EQ(courant, depart);
    courant.Restaurer(g);
    EXPECT_EQ(Sauve(g), avant);
    EXPECT_EQ(fenetre.etapes, std::vector<std::string>{"Kruskal n°2 (min)"});
}

TEST_F(Historique, Retouche_negardeQueLesOctetsChanges)
{
    // A vertex added to a large graph costs its own record, not the graph.
    FauxServices fenetre;
    TGraphe g(fenetre);
    Remplir(g, Generer(Forme::Aleatoire, 2000, 7));
    const Instantane avant = Instantane::Prendre(g);
    g.AjouterSommet("nouveau", 1, 1);
    const Retouche retouche(avant, Instantane::Prendre(g));
    EXPECT_LT(retouche.Taille(), 200u) << "sur " << avant.Taille() << " octets";
}

}  // namespace

#include "FauxServices.h"
#include "GrapheAleatoire.h"
#include "algorithms/Commandes.h"
#include "model/Avancement.h"

#include <gtest/gtest.h>

namespace {
// A window whose user stops the command at its first report.
class ServicesArretes : public FauxServices {
public:
    void SignalerAvancement(uint64_t, uint64_t) override { throw CalculAnnule(); }
};

class Arret : public ::testing::TestWithParam<Commande> {};

// Every long command reports on a large graph, so the user can stop it, and
// none has opened a result window by then: nothing of a stopped run is left
// on screen.
TEST_P(Arret, CommandeLongue_arreteeSansFenetreResultat)
{
    ServicesArretes services;
    services.reponsesExtremites.push_back({"S0", "S1"});
    TGraphe graphe(services);
    Remplir(graphe, Generer(Forme::Aleatoire, 5000, 21));
    EXPECT_THROW(ExecuterCommande(graphe, GetParam()), CalculAnnule);
    EXPECT_TRUE(services.resultats.empty());
}

INSTANTIATE_TEST_SUITE_P(Commandes, Arret,
                         ::testing::Values(Commande::Connexite, Commande::Eulerien, Commande::Dijkstra,
                                           Commande::Kruskal1Min, Commande::Kruskal1Max, Commande::Kruskal2Min,
                                           Commande::Kruskal2Max));
}  // namespace

#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace {

// Ten thousand vertices and fifty thousand arcs: every structure test runs
// to its end on a large graph. How long each takes is the benchmark's concern.
TEST(GrandsGraphes, ChaqueCommandeAboutit_circuitReconnu)
{
    for (const bool sansCircuit : {true, false}) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        ConstruireGrand(g, 10000, 50000, sansCircuit, 7);
        for (const Commande commande :
             {Commande::NumerotationTopologique, Commande::Circuit, Commande::Connexite, Commande::ForteConnexite,
              Commande::Arbre, Commande::Arborescence, Commande::Eulerien}) {
            ExecuterCommande(g, commande);
        }
        ASSERT_FALSE(fenetre.messages.empty());
        EXPECT_EQ(fenetre.messages[0].texte,
                  sansCircuit ? "Le graphe ne possède pas de circuit" : "Le graphe possède un ou plusieurs circuits");
    }
}

// Records taken and freed in a shuffled order over several blocks of the
// reserve: none overlaps another, and none changes while others come and go.
TEST(GrandsGraphes, EnregistrementsRendusEtRepris_contenusIntacts)
{
    std::vector<std::pair<Sommet*, int32_t>> vivants;
    int32_t prochain = 0;
    const auto prendre = [&](int32_t n) {
        for (int32_t i = 0; i < n; ++i) {
            auto* s = new Sommet;
            s->valeur = ++prochain;
            s->x = -prochain;
            vivants.emplace_back(s, prochain);
        }
    };
    prendre(120000);
    std::shuffle(vivants.begin(), vivants.end(), std::mt19937(11));
    for (size_t i = 60000; i < vivants.size(); ++i)
        delete vivants[i].first;
    vivants.resize(60000);
    prendre(70000);
    int changes = 0;
    for (const auto& [s, attendu] : vivants) {
        changes += s->valeur != attendu || s->x != -attendu;
        delete s;
    }
    EXPECT_EQ(changes, 0);
}

}  // namespace

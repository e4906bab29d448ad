#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"

#include <gtest/gtest.h>

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

}  // namespace

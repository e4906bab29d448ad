#include "ConstruireGraphe.h"
#include "FauxServices.h"
#include "algorithms/Commandes.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// Ten thousand vertices and fifty thousand arcs: each command must answer
// far below the bound, which leaves room for sanitized builds.
TEST(Performance, GrandGraphe_chaqueCommandeEnMoinsDeDeuxSecondes)
{
    for (const bool sansCircuit : {true, false}) {
        FauxServices fenetre;
        TGraphe g{fenetre};
        ConstruireGrand(g, 10000, 50000, sansCircuit, 7);
        for (const Commande commande : {Commande::NumerotationTopologique, Commande::Circuit, Commande::Connexite,
                                        Commande::ForteConnexite, Commande::Arbre, Commande::Arborescence,
                                        Commande::Eulerien}) {
            const auto debut = std::chrono::steady_clock::now();
            ExecuterCommande(g, commande);
            const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
            EXPECT_LT(duree.count(), 2.0) << "command " << int(commande) << (sansCircuit ? " (acyclic)" : "");
        }
        ASSERT_FALSE(fenetre.messages.empty());
        EXPECT_EQ(fenetre.messages[0].texte, sansCircuit ? "Le graphe ne possède pas de circuit"
                                                         : "Le graphe possède un ou plusieurs circuits");
    }
}

}  // namespace

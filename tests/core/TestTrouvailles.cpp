// Faults found by the randomized sessions and the fuzz target, each pinned
// by the input that revealed it.

#include "FauxServices.h"
#include "Invariants.h"
#include "OutilsGraphe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Noms = std::vector<std::string>;

// A text longer than a record holds used to be stored cut but looked up
// whole: adding it twice made two vertices of one name, and no lookup,
// deletion or degree could reach either of them by the text that made it.
TEST(Trouvailles, NomTropLong_designePartoutLeSommetDeSesDixNeufPremiersOctets)
{
    FauxServices fenetre;
    TGraphe g(fenetre);
    g.AjouterSommet("nom-de-19-octets-ok-et-plus", 10, 10);
    g.AjouterSommet("nom-de-19-octets-ok-autre", 20, 20);
    ASSERT_EQ(fenetre.messages.size(), 1u);
    EXPECT_EQ(fenetre.messages[0].texte, "Un sommet possède déjà ce nom.");
    EXPECT_EQ(NomsSommets(g), (Noms{"nom-de-19-octets-ok"}));

    g.AjouterArc("nom-de-19-octets-ok-et-plus", "nom-de-19-octets-ok-autre", 3);
    EXPECT_EQ(g.DemiDegreExterieur("nom-de-19-octets-ok-zzz"), 1);
    EXPECT_EQ(g.DemiDegreInterieur("nom-de-19-octets-ok"), 1);
    EXPECT_TRUE(g.ExisteArc("nom-de-19-octets-ok", "nom-de-19-octets-ok-autre"));
    g.SupprimerSommet("nom-de-19-octets-ok-encore");
    EXPECT_EQ(g.NbSommets(), 0);
    EXPECT_EQ(g.NbArcs(), 0);
    EXPECT_EQ(fenetre.messages.size(), 1u);
}

}  // namespace

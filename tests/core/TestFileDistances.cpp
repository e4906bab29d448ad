#include "algorithms/FileDistances.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

// Against an ordered set of (distance, -number): the same vertex must come
// out first after any mix of insertions, shrinking distances and removals,
// ties included, on queues deep enough for every level of the heap.
TEST(FileDistances, SortDansLOrdreDistancePuisPlusGrandNumero)
{
    std::mt19937 alea(3);
    for (int essai = 0; essai < 20; ++essai) {
        const int32_t taille = 2000;
        FileDistances file(taille);
        std::set<std::pair<int64_t, int32_t>> reference;
        std::vector<int64_t> distance(taille, -1);
        for (int pas = 0; pas < 20000; ++pas) {
            if (alea() % 3 == 0 && !reference.empty()) {
                const auto [d, moinsNumero] = *reference.begin();
                ASSERT_FALSE(file.Vide());
                ASSERT_EQ(file.Premier(), -moinsNumero);
                ASSERT_EQ(file.DistancePremier(), d);
                file.RetirerPremier();
                reference.erase(reference.begin());
                distance[size_t(-moinsNumero)] = -1;
                continue;
            }
            const auto numero = static_cast<int32_t>(alea() % taille);
            int64_t& d = distance[size_t(numero)];
            // Few distinct distances, so that ties are common.
            const int64_t nouvelle = d == -1 ? int64_t(alea() % 50) : d - int64_t(alea() % (d + 1));
            if (d != -1)
                reference.erase({d, -numero});
            d = nouvelle;
            reference.insert({d, -numero});
            file.Placer(numero, d);
        }
        EXPECT_EQ(file.Vide(), reference.empty());
    }
}

}  // namespace

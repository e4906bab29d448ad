#include "OutilsEchange.h"
#include "formats/DisposerSommets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

GrapheEchange SansPositions(size_t n, size_t arcs, std::mt19937& alea)
{
    GrapheEchange g;
    for (size_t i = 0; i < n; ++i)
        g.sommets.push_back({"s" + std::to_string(i), std::nullopt, std::nullopt, std::nullopt});
    for (size_t k = 0; k < arcs && n > 0; ++k)
        g.arcs.push_back({alea() % n, alea() % n, 1.0});
    return g;
}

// Every vertex placed on whole pixels, inside the margin, none closer to
// another than the minimal spacing.
void VerifierDisposition(const GrapheEchange& g)
{
    for (size_t i = 0; i < g.sommets.size(); ++i) {
        const SommetEchange& s = g.sommets[i];
        ASSERT_TRUE(s.x && s.y) << "vertex " << i << " left without a position";
        EXPECT_EQ(*s.x, std::round(*s.x));
        EXPECT_EQ(*s.y, std::round(*s.y));
        EXPECT_GE(*s.x, kMarge);
        EXPECT_GE(*s.y, kMarge);
        for (size_t j = 0; j < i; ++j) {
            const SommetEchange& t = g.sommets[j];
            ASSERT_GE(std::hypot(*s.x - *t.x, *s.y - *t.y), kEcartMinimal) << "vertices " << j << " and " << i;
        }
    }
}

// Connected or not, with loops, parallel arcs and isolated vertices, up to
// the size where the grid takes over: the guarantees hold and the same
// graph always gets the same picture.
TEST(DisposerSommets, PlaceToutAuMoinsA40PixelsEtToujoursPareil)
{
    std::mt19937 alea(40);
    const std::pair<size_t, size_t> tailles[] = {{1, 0},
                                                 {2, 1},
                                                 {3, 0},
                                                 {7, 12},
                                                 {30, 25},
                                                 {60, 200},
                                                 {kSommetsMaxNeato + 1, 400},
                                                 {kSommetsMaxDisposition + 1, 3000}};
    for (const auto& [n, arcs] : tailles) {
        GrapheEchange g = SansPositions(n, arcs, alea);
        GrapheEchange autre = g;
        DisposerSommets(g);
        DisposerSommets(autre);
        SCOPED_TRACE(std::to_string(n) + " vertices");
        VerifierDisposition(g);
        EXPECT_EQ(PhotoEchange(g), PhotoEchange(autre));
    }
}

// Positions the file gave are kept only when every vertex has one.
TEST(DisposerSommets, PositionsCompletesGardees_partiellesRemplacees)
{
    std::mt19937 alea(2);
    GrapheEchange complet = SansPositions(5, 6, alea);
    for (SommetEchange& s : complet.sommets) {
        s.x = -3.5;
        s.y = 1e9;
    }
    const std::string avant = PhotoEchange(complet);
    DisposerSommets(complet);
    EXPECT_EQ(PhotoEchange(complet), avant);

    GrapheEchange partiel = complet;
    partiel.sommets[2].y.reset();
    DisposerSommets(partiel);
    VerifierDisposition(partiel);
}

}  // namespace

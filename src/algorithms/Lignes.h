#pragma once

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

// Rows of positions packed end to end, row r running from debuts[r] to
// debuts[r + 1]: one allocation per table where a vector per vertex made
// the allocator most of a large traversal's time.
struct Lignes {
    std::vector<int32_t> debuts;
    std::vector<int32_t> elements;

    std::span<const int32_t> operator[](int32_t ligne) const
    {
        const auto debut = size_t(debuts[size_t(ligne)]);
        return {elements.data() + debut, size_t(debuts[size_t(ligne) + 1]) - debut};
    }
};

// Groups the (row, value) pairs that `parcourir` hands to its callback,
// each row keeping the pairs' order. `parcourir` runs twice, to count and
// to place, and must give the same pairs both times.
template <typename Parcours>
Lignes Regrouper(int32_t nbLignes, const Parcours& parcourir)
{
    Lignes lignes;
    lignes.debuts.assign(size_t(nbLignes) + 1, 0);
    parcourir([&](int32_t ligne, int32_t) { ++lignes.debuts[size_t(ligne) + 1]; });
    std::partial_sum(lignes.debuts.begin(), lignes.debuts.end(), lignes.debuts.begin());
    lignes.elements.resize(size_t(lignes.debuts.back()));
    std::vector<int32_t> place(lignes.debuts.begin(), lignes.debuts.end() - 1);
    parcourir([&](int32_t ligne, int32_t valeur) { lignes.elements[size_t(place[size_t(ligne)]++)] = valeur; });
    return lignes;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Dijkstra's vertices still to settle, by distance: the least first and,
// among equal distances, the highest number. A vertex is held once, its
// entry moved up when its distance shrinks, in a four-way heap: shallower
// than a binary one, and without the stale entries a lazy queue piles up
// when many distances shrink.
class FileDistances {
public:
    // For the numbers 0 to `taille` - 1.
    explicit FileDistances(int32_t taille);

    bool Vide() const { return tas.empty(); }
    // The next vertex to settle, and its distance. The queue must not be empty.
    int32_t Premier() const { return tas.front().numero; }
    int64_t DistancePremier() const { return tas.front().distance; }
    void RetirerPremier();
    // Queues the vertex at `distance`, or moves it to that distance when it
    // is queued; a distance can only shrink.
    void Placer(int32_t numero, int64_t distance);

private:
    struct Entree {
        int64_t distance;
        int32_t numero;
    };
    static constexpr int32_t kHorsFile = -1;

    std::vector<Entree> tas;
    std::vector<int32_t> place;  // each vertex's index in `tas`, or kHorsFile

    static bool Avant(const Entree& a, const Entree& b);
    void Monter(size_t i);
    void Descendre(size_t i);
    void Poser(size_t i, const Entree& entree);
};

#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Median seconds of repeated runs: as many as fit in about a third of a
// second (at least one, at most 31). `preparer` runs untimed before each.
template <typename Action, typename Preparation>
double Mesurer(Action action, Preparation preparer)
{
    using Horloge = std::chrono::steady_clock;
    std::vector<double> durees;
    double total = 0;
    while (durees.size() < 31 && (durees.empty() || total < 0.3)) {
        preparer();
        const auto debut = Horloge::now();
        action();
        const double duree = std::chrono::duration<double>(Horloge::now() - debut).count();
        durees.push_back(duree);
        total += duree;
    }
    std::nth_element(durees.begin(), durees.begin() + long(durees.size() / 2), durees.end());
    return durees[durees.size() / 2];
}

template <typename Action>
double Mesurer(Action action)
{
    return Mesurer(action, [] {});
}

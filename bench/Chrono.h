#pragma once

#include <algorithm>
#include <ctime>
#include <vector>

// The processor time this process has used, in seconds. On a machine shared
// with other builds, wall time measures the queue for the cores as much as
// the work; this one only the work.
inline double TempsProcesseur()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Median processor seconds of repeated runs: as many as fit in about a
// third of a second (at least one, at most 31). `preparer` runs untimed
// before each.
template <typename Action, typename Preparation>
double Mesurer(Action action, Preparation preparer)
{
    std::vector<double> durees;
    double total = 0;
    while (durees.size() < 31 && (durees.empty() || total < 0.3)) {
        preparer();
        const double debut = TempsProcesseur();
        action();
        const double duree = TempsProcesseur() - debut;
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

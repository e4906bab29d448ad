#pragma once

#include <cstdint>

class VueFenetre;

// Thrown through a command from its window's progress report when the user
// stops it. Whoever started the command puts back what it had changed.
struct CalculAnnule {};

// Counts the steps of a long loop and tells the window how far it has come.
// The window hears of it only every few thousand steps, so that counting
// costs the loop nothing; a window that shows no progress is never called.
class Avancement {
public:
    // For the runs that no window follows.
    Avancement() = default;
    Avancement(VueFenetre& vue, uint64_t total);

    void Avancer(uint64_t pas = 1)
    {
        fait += pas;
        if (fait >= prochain)
            Signaler();
    }

private:
    static constexpr uint64_t kPeriode = 4096;

    void Signaler();

    VueFenetre* vue = nullptr;
    uint64_t total = 0;
    uint64_t fait = 0;
    uint64_t prochain = UINT64_MAX;
};

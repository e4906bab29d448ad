#pragma once

#include <cstdint>
#include <limits>

// The range a weight is held in: symmetric, so that the "max" variants,
// which negate every weight, never meet a weight whose opposite does not fit.
constexpr int32_t kPoidsMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kPoidsMin = -kPoidsMax;

constexpr int32_t BornerPoids(int32_t poids)
{
    return poids < kPoidsMin ? kPoidsMin : poids;
}

struct PoidsLu {
    int32_t valeur = 0;
    bool borne = false;  // the digits went beyond the weight range
};

// A weight as the user typed it: leading white space, an optional sign, then
// the decimal digits up to the first other character ("7kg" is 7, "3,5" is 3);
// no digits at all gives 0. A value beyond the weight range is held at its
// nearest bound.
PoidsLu LirePoids(const char* texte);

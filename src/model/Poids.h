#pragma once

#include <cstdint>

struct PoidsLu {
    int32_t valeur = 0;
    bool borne = false;  // the digits went beyond the int32 range
};

// A weight as the user typed it: leading white space, an optional sign, then
// the decimal digits up to the first other character ("7kg" is 7, "3,5" is 3);
// no digits at all gives 0. A value beyond the int32 range is held at its
// nearest bound.
PoidsLu LirePoids(const char* texte);

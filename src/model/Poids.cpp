#include "model/Poids.h"

#include <cctype>

PoidsLu LirePoids(const char* texte)
{
    const char* c = texte;
    while (std::isspace(static_cast<unsigned char>(*c)))
        ++c;
    const bool negatif = *c == '-';
    if (*c == '-' || *c == '+')
        ++c;
    // Accumulate in 64 bits and stop growing once past the bound, so that
    // any number of digits is read without overflow.
    const int64_t limite = kPoidsMax;
    int64_t absolu = 0;
    bool borne = false;
    for (; std::isdigit(static_cast<unsigned char>(*c)); ++c) {
        absolu = absolu * 10 + (*c - '0');
        if (absolu > limite) {
            absolu = limite;
            borne = true;
        }
    }
    return {static_cast<int32_t>(negatif ? -absolu : absolu), borne};
}

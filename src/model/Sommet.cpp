#include "model/Sommet.h"

#include <cstring>

void CopierNom(char (&dest)[kTailleNom], const char* source)
{
    // Zero the whole buffer so that saved records never carry stale bytes.
    std::memset(dest, 0, kTailleNom);
    std::strncpy(dest, source, kLongueurNomMax);
}

bool MemeNom(const char* a, const char* b)
{
    return std::strncmp(a, b, kLongueurNomMax) == 0;
}

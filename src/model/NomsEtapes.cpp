#include "model/NomsEtapes.h"

#include "model/Cp1252.h"

namespace {
std::string Nom(const char* nom)
{
    return EchapperControles(Cp1252VersUtf8(nom));
}
}  // namespace

std::string EtapeSommet(std::string_view action, const char* nom)
{
    return std::string(action) + " du sommet « " + Nom(nom) + " »";
}

std::string EtapeArc(std::string_view action, const char* origine, const char* cible)
{
    return std::string(action) + " de l'arc " + Nom(origine) + " → " + Nom(cible);
}

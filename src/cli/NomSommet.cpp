#include "NomSommet.h"

#include "model/Cp1252.h"
#include "model/Sommet.h"

namespace {
// The code point of the sequence at `i` of valid UTF-8, moving `i` past it.
char32_t LirePoint(std::string_view texte, size_t& i)
{
    const auto octet = [&](size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char tete = octet(i);
    const size_t longueur = tete < 0x80 ? 1 : tete < 0xE0 ? 2 : tete < 0xF0 ? 3 : 4;
    char32_t point = longueur == 1 ? tete : tete & (0x7F >> longueur);
    for (size_t k = 1; k < longueur; ++k)
        point = (point << 6) | (octet(i + k) & 0x3F);
    i += longueur;
    return point;
}
}  // namespace

std::optional<std::string> NomDepuisUtf8(std::string_view utf8)
{
    if (!EstUtf8Valide(utf8))
        return std::nullopt;
    std::string nom;
    for (size_t i = 0; i < utf8.size();) {
        const int octet = UnicodeVersCp1252(LirePoint(utf8, i));
        if (octet <= 0)
            return std::nullopt;
        nom += static_cast<char>(octet);
    }
    if (nom.size() > static_cast<size_t>(kLongueurNomMax))
        return std::nullopt;
    return nom;
}

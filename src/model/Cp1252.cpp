#include "model/Cp1252.h"

#include <array>

namespace {
// Code points of the bytes 0x80 to 0x9F; the rest is Latin-1.
constexpr std::array<char32_t, 32> kPlage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AjouterUtf8(std::string& sortie, char32_t point)
{
    if (point < 0x80) {
        sortie += static_cast<char>(point);
    } else if (point < 0x800) {
        sortie += static_cast<char>(0xC0 | (point >> 6));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (point >> 12));
        sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// Length of the valid UTF-8 sequence starting at `i`, or 0.
size_t LongueurSequence(std::string_view s, size_t i)
{
    const auto octet = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char tete = octet(i);
    size_t longueur = 0;
    char32_t minimum = 0;
    if (tete < 0x80)
        return 1;
    if ((tete & 0xE0) == 0xC0) {
        longueur = 2;
        minimum = 0x80;
    } else if ((tete & 0xF0) == 0xE0) {
        longueur = 3;
        minimum = 0x800;
    } else if ((tete & 0xF8) == 0xF0) {
        longueur = 4;
        minimum = 0x10000;
    } else
        return 0;
    if (i + longueur > s.size())
        return 0;
    char32_t point = tete & (0x7F >> longueur);
    for (size_t k = 1; k < longueur; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (octet(i + k) & 0x3F);
    }
    const bool substitut = point >= 0xD800 && point <= 0xDFFF;
    return point < minimum || point > 0x10FFFF || substitut ? 0 : longueur;
}
// The code point of a sequence that LongueurSequence found valid.
char32_t Decoder(std::string_view s, size_t i, size_t longueur)
{
    const auto tete = static_cast<unsigned char>(s[i]);
    char32_t point = longueur == 1 ? tete : tete & (0x7F >> longueur);
    for (size_t k = 1; k < longueur; ++k)
        point = (point << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return point;
}
}  // namespace

char32_t Cp1252VersUnicode(unsigned char octet)
{
    return octet >= 0x80 && octet <= 0x9F ? kPlage80[octet - 0x80] : octet;
}

int UnicodeVersCp1252(char32_t point)
{
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
        return static_cast<int>(point);
    for (size_t i = 0; i < kPlage80.size(); ++i) {
        if (kPlage80[i] == point)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string Cp1252VersUtf8(std::string_view octets)
{
    std::string sortie;
    sortie.reserve(octets.size());
    for (char c : octets)
        AjouterUtf8(sortie, Cp1252VersUnicode(static_cast<unsigned char>(c)));
    return sortie;
}

std::string Utf8VersCp1252(std::string_view utf8)
{
    std::string sortie;
    sortie.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t longueur = LongueurSequence(utf8, i);
        const int octet = longueur == 0 ? -1 : UnicodeVersCp1252(Decoder(utf8, i, longueur));
        sortie += octet < 0 ? '?' : static_cast<char>(octet);
        i += longueur == 0 ? 1 : longueur;
    }
    return sortie;
}

bool EstUtf8Valide(std::string_view octets)
{
    for (size_t i = 0; i < octets.size();) {
        const size_t longueur = LongueurSequence(octets, i);
        if (longueur == 0)
            return false;
        i += longueur;
    }
    return true;
}

std::string EchapperControles(std::string_view texte)
{
    static constexpr char kChiffres[] = "0123456789abcdef";
    std::string echappe;
    echappe.reserve(texte.size());
    for (const char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x20 || octet == 0x7F)
            echappe.append({'\\', 'x', kChiffres[octet >> 4], kChiffres[octet & 0xF]});
        else
            echappe += c;
    }
    return echappe;
}

std::string CheminAffichable(std::string_view chemin)
{
    return EchapperControles(EstUtf8Valide(chemin) ? std::string(chemin) : Cp1252VersUtf8(chemin));
}

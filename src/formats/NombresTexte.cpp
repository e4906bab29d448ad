#include "formats/NombresTexte.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
std::string_view SansBlancs(std::string_view texte)
{
    constexpr std::string_view kBlancs = " \t\r\n";
    const size_t debut = texte.find_first_not_of(kBlancs);
    if (debut == std::string_view::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(kBlancs) - debut + 1);
}

template <typename Nombre>
std::optional<Nombre> Lire(std::string_view texte)
{
    texte = SansBlancs(texte);
    // from_chars refuses the leading plus that people and spreadsheets write.
    if (texte.size() > 1 && texte[0] == '+' && texte[1] != '-')
        texte.remove_prefix(1);
    Nombre valeur{};
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size())
        return std::nullopt;
    return valeur;
}
}  // namespace

std::optional<double> LireReel(std::string_view texte)
{
    const std::optional<double> valeur = Lire<double>(texte);
    return valeur && std::isfinite(*valeur) ? valeur : std::nullopt;
}

std::optional<int32_t> LireEntier32(std::string_view texte)
{
    return Lire<int32_t>(texte);
}

std::string EcrireReel(double valeur)
{
    // A whole number as people write it: the shortest form of 100000 is
    // 1e+05. Below 2^53 every whole double is exact as an integer; -0
    // keeps its sign through the general form.
    constexpr double kEntiersExacts = 9007199254740992.0;
    char tampon[32];
    const bool entier =
        std::trunc(valeur) == valeur && std::fabs(valeur) < kEntiersExacts && !(valeur == 0 && std::signbit(valeur));
    const auto fin = entier ? std::to_chars(tampon, tampon + sizeof tampon, static_cast<int64_t>(valeur)).ptr
                            : std::to_chars(tampon, tampon + sizeof tampon, valeur).ptr;
    return std::string(tampon, fin);
}

size_t LigneDe(std::string_view texte, size_t position)
{
    position = std::min(position, texte.size());
    return 1
         + static_cast<size_t>(std::count(texte.begin(), texte.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

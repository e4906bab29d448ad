#include "formats/NombresTexte.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

std::string_view SansBlancs(std::string_view texte)
{
    constexpr std::string_view kBlancs = " \t\r\n";
    const size_t debut = texte.find_first_not_of(kBlancs);
    if (debut == std::string_view::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(kBlancs) - debut + 1);
}

std::string_view SansPlus(std::string_view texte)
{
    if (texte.size() > 1 && texte[0] == '+' && texte[1] != '-')
        texte.remove_prefix(1);
    return texte;
}

}  // namespace

std::optional<double> LireReel(std::string_view texte)
{
    texte = SansPlus(SansBlancs(texte));
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size() || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

std::optional<int32_t> LireEntier32(std::string_view texte)
{
    texte = SansPlus(SansBlancs(texte));
    int32_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size())
        return std::nullopt;
    return valeur;
}

std::string EcrireReel(double valeur)
{
    std::array<char, 32> tampon{};
    const auto resultat = std::to_chars(tampon.data(), tampon.data() + tampon.size(), valeur);
    return {tampon.data(), resultat.ptr};
}

#include "formats/AdaptationNoms.h"

#include "model/Cp1252.h"
#include "model/Sommet.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {
constexpr std::string_view kNomVide = "?";

std::string Coupe(const std::string& nom, size_t longueur)
{
    return nom.substr(0, std::min(nom.size(), longueur));
}

std::string Encodage(const std::string& utf8)
{
    std::string nom = Utf8VersCp1252(utf8);
    // The store's names end at their first zero byte.
    std::replace(nom.begin(), nom.end(), '\0', '?');
    return nom.empty() ? std::string(kNomVide) : nom;
}

std::string Signalement(const std::string& avant, const std::string& apres)
{
    return "Le nom « " + EchapperControles(avant) + " » devient « " + EchapperControles(Cp1252VersUtf8(apres)) + " ».";
}
}  // namespace

std::vector<std::string> AdapterNoms(const std::vector<std::string>& noms, std::vector<std::string>& adaptations)
{
    std::vector<std::string> resultat;
    resultat.reserve(noms.size());
    std::unordered_set<std::string> pris;
    // The next suffix to try for each name: thousands of homonyms must not
    // retry every suffix already given.
    std::unordered_map<std::string, int> rangs;
    for (const std::string& utf8 : noms) {
        const std::string encode = Encodage(utf8);
        std::string nom = Coupe(encode, kLongueurNomMax);
        for (int& rang = rangs.try_emplace(encode, 2).first->second; pris.contains(nom); ++rang) {
            const std::string suffixe = "~" + std::to_string(rang);
            nom = Coupe(encode, kLongueurNomMax - suffixe.size()) + suffixe;
        }
        pris.insert(nom);
        if (Cp1252VersUtf8(nom) != utf8)
            adaptations.push_back(Signalement(utf8, nom));
        resultat.push_back(std::move(nom));
    }
    return resultat;
}

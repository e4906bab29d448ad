#include "formats/RemplirDepuisEchange.h"

#include "formats/AdaptationNoms.h"
#include "formats/NombresTexte.h"
#include "formats/DisposerSommets.h"
#include "model/Cp1252.h"
#include "model/Poids.h"
#include "model/RemplissageGraphe.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
int32_t Coordonnee(std::optional<double> valeur)
{
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    const double v = valeur.value_or(0.0);
    return std::isfinite(v) ? static_cast<int32_t>(std::clamp(std::round(v), kMin, kMax)) : 0;
}

int32_t Poids(std::optional<double> poids, const std::string& origine, const std::string& cible,
              std::vector<std::string>& adaptations)
{
    if (!poids || !std::isfinite(*poids))
        return 1;
    const double arrondi = std::clamp(std::round(*poids), double(kPoidsMin), double(kPoidsMax));
    if (arrondi != *poids) {
        adaptations.push_back("Le poids " + EcrireReel(*poids) + " de l'arc « "
                              + EchapperControles(Cp1252VersUtf8(origine)) + " » → « "
                              + EchapperControles(Cp1252VersUtf8(cible)) + " » devient " + EcrireReel(arrondi) + ".");
    }
    return static_cast<int32_t>(arrondi);
}
}  // namespace

std::vector<std::string> RemplirDepuisEchange(GrapheEchange echange, TGraphe& graphe)
{
    DisposerSommets(echange);
    std::vector<std::string> noms;
    noms.reserve(echange.sommets.size());
    for (const SommetEchange& s : echange.sommets)
        noms.push_back(s.nom);
    std::vector<std::string> adaptations;
    noms = AdapterNoms(noms, adaptations);

    graphe.FixerOriente(echange.oriente);
    RemplissageGraphe remplissage(graphe);
    for (size_t i = 0; i < noms.size(); ++i) {
        const SommetEchange& s = echange.sommets[i];
        remplissage.AjouterSommet(noms[i].c_str(), Coordonnee(s.x), Coordonnee(s.y));
    }
    size_t i = 0;
    for (Sommet& s : graphe.Sommets())
        s.valeur = echange.sommets[i++].numero.value_or(0);
    for (const ArcEchange& a : echange.arcs) {
        const std::string& origine = noms.at(a.origine);
        const std::string& cible = noms.at(a.cible);
        remplissage.AjouterArc(origine.c_str(), cible.c_str(), Poids(a.poids, origine, cible, adaptations));
    }
    return adaptations;
}

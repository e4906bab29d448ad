#include "Etapes.h"

#include "algorithms/Chemins.h"
#include "algorithms/TableauDeroulement.h"
#include "model/Cp1252.h"
#include "render/TexteTableau.h"

#include <iostream>

namespace {
constexpr std::string_view kDeroulement = "Déroulement : ";

std::string Nom(const Deroulement& d, int32_t colonne)
{
    return Cp1252VersUtf8(d.Colonnes()[size_t(colonne)]);
}

Json EtapeCheminJson(const Deroulement& d, const EtapeChemin& etape)
{
    Json distances = Json::object();
    Json predecesseurs = Json::object();
    for (size_t c = 0; c < d.Colonnes().size(); ++c) {
        const std::string nom = Nom(d, static_cast<int32_t>(c));
        const int64_t distance = etape.distances[c];
        const bool atteint = distance < kAucunSommet;
        distances[nom] = atteint ? Json(d.PoidsInverses() ? -distance : distance) : Json(nullptr);
        predecesseurs[nom] =
            atteint && etape.predecesseurs[c] >= 0 ? Json(Nom(d, etape.predecesseurs[c])) : Json(nullptr);
    }
    return {{"sommet", etape.sommet >= 0 ? Json(Nom(d, etape.sommet)) : Json(nullptr)},
            {"distances", distances},
            {"predecesseurs", predecesseurs}};
}

Json EtapeArbreJson(const Deroulement& d, const EtapeArbre& etape)
{
    return {{"origine", Cp1252VersUtf8(etape.origine)},
            {"cible", Cp1252VersUtf8(etape.cible)},
            {"poids", PoidsSaisi(etape.poids, d.PoidsInverses())},
            {"garde", etape.garde},
            {"raison", TexteRaison(etape.raison)}};
}
}  // namespace

void EcrireEtapes(const Deroulement& deroulement)
{
    const TableauDeroulement tableau = Tabuler(deroulement);
    std::cout << '\n' << kDeroulement << tableau.titre << '\n' << TexteAligne(tableau);
}

Json EtapesJson(const Deroulement& deroulement)
{
    if (deroulement.TropGrand())
        return nullptr;
    Json etapes = Json::array();
    for (const EtapeChemin& etape : deroulement.Chemins())
        etapes.push_back(EtapeCheminJson(deroulement, etape));
    for (const EtapeArbre& etape : deroulement.Arbres())
        etapes.push_back(EtapeArbreJson(deroulement, etape));
    return etapes;
}

void AjouterEtapes(const Deroulement& deroulement, Json* objet)
{
    if (objet != nullptr)
        (*objet)["etapes"] = EtapesJson(deroulement);
    else
        EcrireEtapes(deroulement);
}

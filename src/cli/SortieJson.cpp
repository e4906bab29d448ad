#include "SortieJson.h"

#include "ServicesConsole.h"
#include "TexteGraphe.h"

#include "model/Cp1252.h"
#include "model/TGraphe.h"

#include <iostream>

Json GrapheJson(const TGraphe& graphe)
{
    Json sommets = Json::array();
    Json arcs = Json::array();
    for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        sommets.push_back({{"nom", NomUtf8(*s)}, {"x", s->x}, {"y", s->y}, {"numero", s->valeur}});
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            arcs.push_back({{"origine", NomUtf8(*s)}, {"cible", NomUtf8(*a)}, {"poids", a->valeur}});
    }
    const std::string& chemin = graphe.NomFichier();
    return {{"oriente", graphe.Oriente()},
            {"chemin_enregistre", chemin.empty() ? Json(nullptr) : Json(CheminAffichable(chemin))},
            {"sommets", sommets},
            {"arcs", arcs}};
}

long long PoidsTotal(const TGraphe& graphe)
{
    long long total = 0;
    for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            total += a->valeur;
    return graphe.Oriente() ? total : total / 2;
}

Json MessagesJson(const ServicesConsole& services)
{
    Json messages = Json::array();
    for (const auto& [titre, texte] : services.Messages())
        messages.push_back({{"titre", titre}, {"texte", texte}});
    return messages;
}

void EcrireJson(const Json& objet)
{
    // A byte the program let through unconverted must not cost the whole line.
    std::cout << objet.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

#include "Executeurs.h"

#include "Etapes.h"
#include "Fichiers.h"
#include "NomSommet.h"
#include "TexteGraphe.h"

#include "algorithms/Commandes.h"
#include "algorithms/DeroulementCommande.h"
#include "model/Cp1252.h"

#include <iostream>
#include <optional>

namespace {
constexpr std::string_view kNomInvalide =
    "nom de sommet impossible (UTF-8 valide, 19 caractères Windows-1252 au plus) : ";
constexpr std::string_view kAucunChemin = " : aucun chemin, aucun sommet ne porte le nom « ";

// The desktop ends silently when a name designates no vertex; a script
// needs to know why nothing was printed.
void SignalerNomInconnu(const TGraphe& graphe, const std::string& nom, const std::string& saisi)
{
    if (graphe.NumeroSommet(nom.c_str()) < 0)
        std::cerr << kNomOutil << kAucunChemin << EchapperControles(saisi) << " ».\n";
}

// The path window lists the arrival first: the names read back to front
// go from the departure to the arrival.
Json CheminJson(const Arguments& arguments, const FenetreConsole* fenetre)
{
    Json objet = {{"depart", arguments.valeurs[1]}, {"arrivee", arguments.valeurs[2]}};
    if (fenetre == nullptr) {
        objet.update({{"chemin", nullptr}, {"distance", nullptr}, {"graphe", nullptr}});
        return objet;
    }
    Json noms = Json::array();
    for (const Sommet* s = fenetre->graphe->PremierSommet(); s != nullptr; s = s->sommetSuivant)
        noms.insert(noms.begin(), NomUtf8(*s));
    objet.update({{"chemin", noms}, {"distance", PoidsTotal(*fenetre->graphe)}});
    return objet;
}

Commande CommandeDuMenu(const Arguments& arguments)
{
    if (arguments.commande == "dijkstra")
        return Commande::Dijkstra;
    if (arguments.commande == "bellman")
        return arguments.max ? Commande::BellmanMax : Commande::BellmanMin;
    return arguments.max ? Commande::FordMax : Commande::FordMin;
}
}  // namespace

int ExecuterChemin(const Arguments& arguments)
{
    const std::optional<std::string> depart = NomDepuisUtf8(arguments.valeurs[1]);
    const std::optional<std::string> arrivee = NomDepuisUtf8(arguments.valeurs[2]);
    if (!depart || !arrivee) {
        SignalerErreurUsage(kNomInvalide, arguments.valeurs[depart ? 2 : 1]);
        return kErreurUsage;
    }
    return TraiterFichiers(arguments, {arguments.valeurs[0]}, [&](FenetreConsole& fenetre, Json* objet) {
        ServicesConsole& services = *fenetre.services;
        services.FixerExtremites(*depart, *arrivee);
        const int messages = services.NbMessages();
        const Commande commande = CommandeDuMenu(arguments);
        Deroulement deroulement(*DeroulementDe(commande));
        ExecuterCommande(*fenetre.graphe, commande, arguments.etapes ? &deroulement : nullptr);
        const FenetreConsole* chemin = services.Resultats().empty() ? nullptr : &services.Resultats().back();
        if (objet != nullptr)
            objet->update(CheminJson(arguments, chemin));
        int statut = kReponseNegative;
        if (chemin != nullptr)
            statut = AfficherEtEnregistrer(*chemin, arguments.sortie, objet != nullptr ? &(*objet)["graphe"] : nullptr);
        else if (services.NbMessages() == messages) {
            SignalerNomInconnu(*fenetre.graphe, *depart, arguments.valeurs[1]);
            SignalerNomInconnu(*fenetre.graphe, *arrivee, arguments.valeurs[2]);
        }
        if (arguments.etapes)
            AjouterEtapes(deroulement, objet);
        return statut;
    });
}

#include "Executeurs.h"

#include "Fichiers.h"

#include "algorithms/Commandes.h"

#include <optional>

// Kruskal n°1 shows its tree in a new window; Kruskal n°2 leaves it in the
// graph itself.
int ExecuterKruskal(const Arguments& arguments)
{
    std::optional<FenetreConsole> fenetre = ChargerGraphe(arguments.valeurs[0]);
    if (!fenetre)
        return kEchec;
    const bool premier = arguments.commande == "kruskal1";
    const Commande commande = premier ? (arguments.max ? Commande::Kruskal1Max : Commande::Kruskal1Min)
                                      : (arguments.max ? Commande::Kruskal2Max : Commande::Kruskal2Min);
    ExecuterCommande(*fenetre->graphe, commande);
    const auto& resultats = fenetre->services->Resultats();
    if (!premier)
        return AfficherEtEnregistrer(*fenetre, arguments.sortie);
    return resultats.empty() ? kReponseNegative : AfficherEtEnregistrer(resultats.back(), arguments.sortie);
}

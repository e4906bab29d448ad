#include "Executeurs.h"

#include "Etapes.h"
#include "Fichiers.h"

#include "algorithms/Commandes.h"
#include "algorithms/DeroulementCommande.h"

// Kruskal n°1 shows its tree in a new window; Kruskal n°2 leaves it in the
// graph itself.
int ExecuterKruskal(const Arguments& arguments)
{
    return TraiterFichiers(arguments, arguments.valeurs, [&](FenetreConsole& fenetre, Json* objet) {
        const bool premier = arguments.commande == "kruskal1";
        const Commande commande = premier ? (arguments.max ? Commande::Kruskal1Max : Commande::Kruskal1Min)
                                          : (arguments.max ? Commande::Kruskal2Max : Commande::Kruskal2Min);
        Deroulement deroulement(*DeroulementDe(commande));
        ExecuterCommande(*fenetre.graphe, commande, arguments.etapes ? &deroulement : nullptr);
        const auto& resultats = fenetre.services->Resultats();
        if (premier && resultats.empty())
            return kReponseNegative;
        const FenetreConsole& arbre = premier ? resultats.back() : fenetre;
        const int statut = AfficherEtEnregistrer(arbre, arguments.sortie, objet);
        if (objet != nullptr)
            (*objet)["poids_total"] = PoidsTotal(*arbre.graphe);
        if (arguments.etapes)
            AjouterEtapes(deroulement, objet);
        return statut;
    });
}

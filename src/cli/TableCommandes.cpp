#include "Cli.h"
#include "Executeurs.h"

const std::vector<CommandeCli>& TableCommandes()
{
    static const std::vector<CommandeCli> table = {
        {"afficher", "FICHIER.gff...",
         "affiche chaque graphe : orientation, compteurs, chemin enregistré,\n"
         "puis chaque sommet (nom[numéro] (x, y)) suivi de ses arcs (-> cible : poids)",
         kAucuneOption, 1, kSansLimite, ExecuterAfficher},
    };
    return table;
}

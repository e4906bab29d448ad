#include "Executeurs.h"

#include "Fichiers.h"
#include "algorithms/Rapport.h"

#include <iostream>

// The text of the graph menu's "Information", as the printed page carries
// it; with --json, each of its facts as well.
int ExecuterRapport(const Arguments& arguments)
{
    return TraiterFichiers(arguments, arguments.valeurs, [](FenetreConsole& fenetre, Json* objet) {
        // It names and dates the file read, not the one its bytes record,
        // as the desktop's windows do.
        if (!fenetre.fichier.empty())
            fenetre.graphe->FixerNomFichier(fenetre.fichier);
        const FaitsRapport faits = EtablirFaits(*fenetre.graphe);
        const std::string texte = TexteRapport(*fenetre.graphe, faits);
        if (objet == nullptr) {
            std::cout << texte;
            return kSucces;
        }
        const std::string& date = faits.derniereSauvegarde;
        objet->update({{"texte", texte},
                       {"sommets", faits.sommets},
                       {"arcs", faits.arcs},
                       {"circuit", faits.circuit},
                       {"composantes_connexes", faits.composantesConnexes},
                       {"composantes_fortement_connexes", faits.composantesFortementConnexes},
                       {"arbre", faits.arbre},
                       {"arborescence", faits.arborescence},
                       {"eulerien", faits.eulerien},
                       {"octets", faits.octets},
                       {"derniere_sauvegarde", date.empty() ? Json(nullptr) : Json(date)}});
        return kSucces;
    });
}

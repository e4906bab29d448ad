#include "Executeurs.h"

#include "Fichiers.h"

#include <iostream>

// The text of the graph menu's "Information", as the printed page carries
// it.
int ExecuterRapport(const Arguments& arguments)
{
    return TraiterFichiers(arguments.valeurs, [](FenetreConsole& fenetre) {
        std::cout << fenetre.graphe->Rapport();
        return kSucces;
    });
}

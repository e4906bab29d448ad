#include "Executeurs.h"

#include "Fichiers.h"
#include "algorithms/Rapport.h"

#include <iostream>

// The text of the graph menu's "Information", as the printed page carries
// it.
int ExecuterRapport(const Arguments& arguments)
{
    return TraiterFichiers(arguments.valeurs, [](FenetreConsole& fenetre) {
        std::cout << Rapport(*fenetre.graphe);
        return kSucces;
    });
}

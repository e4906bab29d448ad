#include "Executeurs.h"

#include "Fichiers.h"
#include "TexteGraphe.h"

#include <iostream>

int ExecuterAfficher(const Arguments& arguments)
{
    return TraiterFichiers(arguments.valeurs, [](FenetreConsole& fenetre) {
        EcrireGraphe(std::cout, *fenetre.graphe);
        return kSucces;
    });
}

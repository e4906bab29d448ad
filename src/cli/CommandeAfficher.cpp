#include "Executeurs.h"

#include "Fichiers.h"
#include "TexteGraphe.h"

#include <iostream>

int ExecuterAfficher(const Arguments& arguments)
{
    return TraiterFichiers(arguments, arguments.valeurs, [](FenetreConsole& fenetre, Json* objet) {
        if (objet != nullptr)
            objet->update(GrapheJson(*fenetre.graphe));
        else
            EcrireGraphe(std::cout, *fenetre.graphe);
        return kSucces;
    });
}

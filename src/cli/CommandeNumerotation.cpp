#include "Executeurs.h"

#include "Fichiers.h"
#include "TexteGraphe.h"

#include "algorithms/Commandes.h"

#include <iostream>

int ExecuterNumerotation(const Arguments& arguments)
{
    return TraiterFichiers(arguments, arguments.valeurs, [&](FenetreConsole& fenetre, Json* objet) {
        TGraphe& graphe = *fenetre.graphe;
        ExecuterCommande(graphe, Commande::NumerotationTopologique);
        Json sommets = Json::array();
        for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
            if (objet != nullptr)
                sommets.push_back({{"nom", NomUtf8(*s)}, {"numero", s->valeur}});
            else if (arguments.sortie != kFluxStandard)
                std::cout << (s != graphe.PremierSommet() ? ", " : "") << Etiquette(*s);
        }
        if (objet != nullptr)
            (*objet)["sommets"] = sommets;
        else if (arguments.sortie != kFluxStandard)
            std::cout << '\n';
        return arguments.sortie.empty() || EnregistrerGraphe(fenetre, arguments.sortie) ? kSucces : kEchec;
    });
}

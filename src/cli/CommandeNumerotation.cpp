#include "Executeurs.h"

#include "Fichiers.h"
#include "TexteGraphe.h"

#include "algorithms/Commandes.h"

#include <iostream>
#include <optional>

int ExecuterNumerotation(const Arguments& arguments)
{
    std::optional<FenetreConsole> fenetre = ChargerGraphe(arguments.valeurs[0]);
    if (!fenetre)
        return kEchec;
    TGraphe& graphe = *fenetre->graphe;
    ExecuterCommande(graphe, Commande::NumerotationTopologique);
    if (arguments.sortie != kFluxStandard) {
        for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant)
            std::cout << (s != graphe.PremierSommet() ? ", " : "") << Etiquette(*s);
        std::cout << '\n';
    }
    return arguments.sortie.empty() || EnregistrerGraphe(*fenetre, arguments.sortie) ? kSucces : kEchec;
}

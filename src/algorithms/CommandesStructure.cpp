#include "algorithms/Structure.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
struct Annonce {
    std::string_view siVrai;
    std::string_view siFaux;
    std::string_view titre;
};

// The arborescence answers have no full stop; the others do.
constexpr Annonce kConnexite{"Le graphe est connexe.", "Le graphe n'est pas connexe.", "Détermination de la connexité"};
constexpr Annonce kForteConnexite{"Le graphe est fortement connexe.", "Le graphe n'est pas fortement connexe.",
                                  "Détermination de la forte connexité"};
constexpr Annonce kArbre{"Le graphe est un arbre.", "Le graphe n'est pas un arbre.", "Reconnaissance d'arbre"};
constexpr Annonce kArborescence{"Le graphe est une arborescence", "Le graphe n'est pas une arborescence",
                                "Reconnaissance d'arborescence"};
constexpr Annonce kEulerien{"Le graphe est eulérien.", "Le graphe n'est pas eulérien.",
                            "Détermination de la contenance d'un cycle eulérien"};

void Annoncer(ServicesFenetre& fenetre, const Annonce& annonce, bool reponse)
{
    fenetre.AfficherMessage(reponse ? annonce.siVrai : annonce.siFaux, annonce.titre);
}
}  // namespace

void CommandeConnexite(TGraphe& graphe)
{
    Annoncer(graphe.Fenetre(), kConnexite, EstConnexe(graphe));
}

void CommandeForteConnexite(TGraphe& graphe)
{
    Annoncer(graphe.Fenetre(), kForteConnexite, EstFortementConnexe(graphe));
}

void CommandeArbre(TGraphe& graphe)
{
    Annoncer(graphe.Fenetre(), kArbre, EstArbre(graphe));
}

void CommandeArborescence(TGraphe& graphe)
{
    Annoncer(graphe.Fenetre(), kArborescence, EstArborescence(graphe));
}

void CommandeEulerien(TGraphe& graphe)
{
    Annoncer(graphe.Fenetre(), kEulerien, EstEulerien(graphe));
}

#include "TexteGraphe.h"

#include "model/Cp1252.h"
#include "model/TGraphe.h"

#include <cstring>
#include <ostream>
#include <string_view>

namespace {
constexpr std::string_view kOrientation = "Orientation : ";
constexpr std::string_view kOriente = "orienté";
constexpr std::string_view kNonOriente = "non orienté";
constexpr std::string_view kSommets = "Sommets : ";
constexpr std::string_view kArcs = "Arcs : ";
constexpr std::string_view kDeuxParArete = " (deux par arête)";
constexpr std::string_view kChemin = "Chemin enregistré : ";
constexpr std::string_view kAucunChemin = "(aucun)";
constexpr std::string_view kFleche = "  -> ";
}  // namespace

std::string NomUtf8(const Sommet& enregistrement)
{
    return EchapperControles(
        Cp1252VersUtf8(std::string_view(enregistrement.nom, strnlen(enregistrement.nom, kTailleNom))));
}

std::string Etiquette(const Sommet& sommet)
{
    std::string etiquette = NomUtf8(sommet);
    if (sommet.valeur != 0)
        etiquette += "[" + std::to_string(sommet.valeur) + "]";
    return etiquette;
}

void EcrireGraphe(std::ostream& sortie, const TGraphe& graphe)
{
    sortie << kOrientation << (graphe.Oriente() ? kOriente : kNonOriente) << '\n';
    sortie << kSommets << graphe.NbSommets() << '\n';
    sortie << kArcs << graphe.NbArcs() << (graphe.Oriente() ? "" : kDeuxParArete) << '\n';
    sortie << kChemin
           << (graphe.NomFichier().empty() ? std::string(kAucunChemin) : CheminAffichable(graphe.NomFichier())) << '\n';
    for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        sortie << Etiquette(*s) << " (" << s->x << ", " << s->y << ")\n";
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            sortie << kFleche << NomUtf8(*a) << " : " << a->valeur << '\n';
    }
}

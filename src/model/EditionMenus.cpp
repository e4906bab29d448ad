#include "model/EditionGraphe.h"

#include "algorithms/EtapesCommandes.h"
#include "algorithms/Rapport.h"
#include "model/Cp1252.h"
#include "model/NomsEtapes.h"
#include "model/TGraphe.h"

#include <string>
#include <string_view>

namespace {
constexpr std::string_view kConfirmerSuppression = "Etes-vous sûr de vouloir effacer ce sommet?";
constexpr std::string_view kTitreSuppression = "Suppression de sommet";
constexpr std::string_view kTitreDemiDegreExterieur = "Demi-degre extérieur";
constexpr std::string_view kTitreDemiDegreInterieur = "Demi-degre intérieur";
constexpr std::string_view kArcInitial = " arc ayant comme extrémité initiale ce propre sommet.";
constexpr std::string_view kArcsInitiale = " arcs ayant comme extrémité initiale ce propre sommet.";
constexpr std::string_view kArcTerminal = " arc ayant comme extrémité terminale ce propre sommet.";
constexpr std::string_view kArcsTerminale = " arcs ayant comme extrémité terminale ce propre sommet.";
constexpr std::string_view kTitreInformation = "Information sur un sommet";

std::string Nom(const Sommet& sommet)
{
    return EchapperControles(Cp1252VersUtf8(sommet.nom));
}

// "Le sommet A possède 2 arcs ...": the singular serves 0 and 1.
std::string TexteDemiDegre(const Sommet& sommet, int32_t n, std::string_view singulier, std::string_view pluriel)
{
    return "Le sommet " + Nom(sommet) + " possède " + std::to_string(n) + std::string(n <= 1 ? singulier : pluriel);
}
}  // namespace

void EditionGraphe::ExecuterChoixSommet(ChoixMenuSommet choix)
{
    switch (choix) {
    case ChoixMenuSommet::Supprimer:
        Supprimer1Click();
        break;
    case ChoixMenuSommet::Deplacer:
        Deplacer1Click();
        break;
    case ChoixMenuSommet::SupprimerArc:
        Supprimerunarc1Click();
        break;
    case ChoixMenuSommet::DemiDegreExterieur:
        Demidegrextrieur1Click();
        break;
    case ChoixMenuSommet::DemiDegreInterieur:
        Demidegrintrieur1Click();
        break;
    case ChoixMenuSommet::Information:
        Information1Click();
        break;
    case ChoixMenuSommet::Aucun:
        break;
    }
}

void EditionGraphe::ExecuterChoixGraphe(ChoixMenuGraphe choix)
{
    switch (choix) {
    case ChoixMenuGraphe::Information:
        Info1Click();
        break;
    case ChoixMenuGraphe::Redimensionner:
        Redimensionnerlafentre1Click();
        break;
    case ChoixMenuGraphe::Aucun:
        break;
    }
}

void EditionGraphe::Supprimer1Click()
{
    if (sommetCible == nullptr || !fenetre.PoserQuestion(kConfirmerSuppression, kTitreSuppression))
        return;
    char nom[kTailleNom];
    CopierNom(nom, sommetCible->nom);
    // Deleting by name takes the first vertex of that name, which is the
    // target unless a file brought homonyms.
    graphe.SupprimerSommet(nom);
    sommetCible = nullptr;
    fenetre.Redessiner();
    fenetre.SignalerModification(EtapeSommet(kSuppression, nom));
}

void EditionGraphe::Deplacer1Click()
{
    if (sommetCible == nullptr)
        return;
    // Another vertex's move, still under way, is one step of its own.
    TerminerDeplacement();
    sommetDeplace = sommetCible;
    deplacementEnCours = true;
}

void EditionGraphe::Supprimerunarc1Click()
{
    if (sommetCible == nullptr)
        return;
    char depart[kTailleNom];
    char arrivee[kTailleNom] = {};
    CopierNom(depart, sommetCible->nom);
    fenetre.SaisirArcASupprimer(depart, arrivee);
    if (depart[0] == '\0' || arrivee[0] == '\0')
        return;
    graphe.SupprimerArc(depart, arrivee);
    fenetre.Redessiner();
    fenetre.SignalerModification(EtapeArc(kSuppression, depart, arrivee));
}

void EditionGraphe::Demidegrextrieur1Click()
{
    if (sommetCible == nullptr)
        return;
    const int32_t n = graphe.DemiDegreExterieur(sommetCible->nom);
    fenetre.AfficherMessage(TexteDemiDegre(*sommetCible, n, kArcInitial, kArcsInitiale), kTitreDemiDegreExterieur);
}

void EditionGraphe::Demidegrintrieur1Click()
{
    if (sommetCible == nullptr)
        return;
    const int32_t n = graphe.DemiDegreInterieur(sommetCible->nom);
    fenetre.AfficherMessage(TexteDemiDegre(*sommetCible, n, kArcTerminal, kArcsTerminale), kTitreDemiDegreInterieur);
}

void EditionGraphe::Information1Click()
{
    if (sommetCible == nullptr)
        return;
    const char* nom = sommetCible->nom;
    const std::string texte = "Le sommet " + Nom(*sommetCible) + " possède :\n\n - un demi-degré extérieur égal à "
                            + std::to_string(graphe.DemiDegreExterieur(nom)) + ".\n - un demi-degré intérieur égal à "
                            + std::to_string(graphe.DemiDegreInterieur(nom)) + ".\n - un degré égal à "
                            + std::to_string(graphe.Degre(nom)) + ".\n";
    fenetre.AfficherMessage(texte, kTitreInformation);
}

// The report belongs to the algorithms; the menu only shows it.
void EditionGraphe::Info1Click()
{
    ::Info1Click(graphe);
    fenetre.SignalerModification(kEtapeRapport);
}

void EditionGraphe::Redimensionnerlafentre1Click()
{
    graphe.AjusterFenetre();
}

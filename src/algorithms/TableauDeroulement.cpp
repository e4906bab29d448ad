#include "algorithms/TableauDeroulement.h"

#include "algorithms/Chemins.h"
#include "model/Cp1252.h"

#include <string_view>

namespace {
constexpr std::string_view kEtape = "Étape";
constexpr std::string_view kChoisi = "Choisi";
constexpr std::string_view kAtteint = "Sommet";
constexpr std::string_view kArcRetenu = "Arc retenu";
constexpr std::string_view kPasse = "Passe";
constexpr std::string_view kEntetesArbre[] = {"Origine", "Cible", "Poids", "Décision", "Raison"};
constexpr std::string_view kInfini = "∞";
constexpr std::string_view kFleche = " → ";

constexpr std::string_view kNoteRegles = "* : sommet réglé, sa distance ne change plus.";
constexpr std::string_view kNoteNonChoisis = "Les sommets qu'aucun chemin n'atteint ne sont jamais choisis.";
constexpr std::string_view kNoteMax =
    "Variante max : le calcul a porté sur les poids opposés, il maximise donc ; les valeurs sont montrées "
    "telles que saisies.";
constexpr std::string_view kNoteOpposes =
    "Le calcul a porté sur les poids opposés ; les poids sont montrés tels que saisis.";
constexpr std::string_view kNoteStable = "Valeurs inchangées à la passe ";
constexpr std::string_view kNoteCircuit = "Circuit absorbant";
constexpr std::string_view kNoteTropGrand = "Déroulement non enregistré : plus de 500 sommets.";

bool Maximise(const Deroulement& d)
{
    // Kruskal n°1 keeps the heaviest arcs and Kruskal n°2 the lightest:
    // negated weights turn the first into "min" and the second into "max".
    return d.PoidsInverses() != (d.Algorithme() == AlgorithmeDeroule::Kruskal1);
}

std::string Titre(const Deroulement& d)
{
    static constexpr std::string_view kNoms[] = {"Dijkstra", "Bellman", "Ford", "Kruskal n°1", "Kruskal n°2"};
    std::string titre(kNoms[static_cast<int>(d.Algorithme())]);
    if (d.Algorithme() != AlgorithmeDeroule::Dijkstra)
        titre += Maximise(d) ? " max" : " min";
    if (d.Algorithme() <= AlgorithmeDeroule::Ford)
        titre += " (" + NomAffiche(d.Depart()) + std::string(kFleche) + NomAffiche(d.Arrivee()) + ")";
    return titre;
}

std::string Cellule(const Deroulement& d, const EtapeChemin& etape, size_t colonne)
{
    const int64_t distance = etape.distances[colonne];
    std::string texte = TexteDistance(distance, d.PoidsInverses());
    if (distance < kAucunSommet && etape.predecesseurs[colonne] >= 0)
        texte += " (" + NomAffiche(d.Colonnes()[size_t(etape.predecesseurs[colonne])]) + ")";
    if (!etape.regles.empty() && etape.regles[colonne])
        texte += " *";
    return texte;
}

void TabulerChemins(const Deroulement& d, TableauDeroulement& t)
{
    const AlgorithmeDeroule algorithme = d.Algorithme();
    t.entetes.emplace_back(algorithme == AlgorithmeDeroule::Ford ? kPasse : kEtape);
    if (algorithme != AlgorithmeDeroule::Ford)
        t.entetes.emplace_back(algorithme == AlgorithmeDeroule::Dijkstra ? kChoisi : kAtteint);
    const int premiere = static_cast<int>(t.entetes.size());
    for (const std::string& nom : d.Colonnes())
        t.entetes.push_back(NomAffiche(nom));
    if (algorithme == AlgorithmeDeroule::Bellman)
        t.entetes.emplace_back(kArcRetenu);

    int numero = 0;
    for (const EtapeChemin& etape : d.Chemins()) {
        std::vector<std::string> ligne{std::to_string(++numero)};
        if (algorithme != AlgorithmeDeroule::Ford)
            ligne.push_back(etape.sommet >= 0 ? NomAffiche(d.Colonnes()[size_t(etape.sommet)]) : std::string());
        for (size_t c = 0; c < d.Colonnes().size(); ++c)
            ligne.push_back(Cellule(d, etape, c));
        if (algorithme == AlgorithmeDeroule::Bellman) {
            std::string arc;
            if (etape.arcOrigine >= 0 && etape.sommet >= 0)
                arc = NomAffiche(d.Colonnes()[size_t(etape.arcOrigine)]) + std::string(kFleche)
                    + NomAffiche(d.Colonnes()[size_t(etape.sommet)]) + " ("
                    + std::to_string(PoidsSaisi(etape.arcPoids, d.PoidsInverses())) + ")";
            ligne.push_back(arc);
        }
        t.lignes.push_back(std::move(ligne));
        t.choisis.push_back(etape.sommet >= 0 ? premiere + etape.sommet : -1);
    }
}

void TabulerArbres(const Deroulement& d, TableauDeroulement& t)
{
    t.entetes.emplace_back(kEtape);
    for (std::string_view entete : kEntetesArbre)
        t.entetes.emplace_back(entete);
    const bool retour = d.Algorithme() == AlgorithmeDeroule::Kruskal2;
    int numero = 0;
    for (const EtapeArbre& e : d.Arbres()) {
        t.lignes.push_back({std::to_string(++numero), NomAffiche(e.origine), NomAffiche(e.cible),
                            std::to_string(PoidsSaisi(e.poids, d.PoidsInverses())),
                            e.garde  ? "gardé"
                            : retour ? "supprimé"
                                     : "refusé",
                            TexteRaison(e.raison)});
        t.choisis.push_back(-1);
    }
}

std::string NoteFord(const Deroulement& d)
{
    if (!d.CircuitAbsorbant())
        return std::string(kNoteStable) + std::to_string(d.Chemins().size()) + " : fin des passes.";
    std::string note(kNoteCircuit);
    const std::vector<int32_t>& circuit = d.Circuit();
    for (size_t i = 0; i <= circuit.size() && !circuit.empty(); ++i)
        note += (i == 0 ? " : " : std::string(kFleche)) + NomAffiche(d.Colonnes()[size_t(circuit[i % circuit.size()])]);
    return note + ".";
}

void Annoter(const Deroulement& d, TableauDeroulement& t)
{
    const AlgorithmeDeroule algorithme = d.Algorithme();
    if (d.TropGrand()) {
        t.notes.emplace_back(kNoteTropGrand);
        return;
    }
    if (algorithme == AlgorithmeDeroule::Dijkstra) {
        t.notes.emplace_back(kNoteRegles);
        if (d.Chemins().size() < d.Colonnes().size())
            t.notes.emplace_back(kNoteNonChoisis);
    }
    if (algorithme == AlgorithmeDeroule::Ford)
        t.notes.push_back(NoteFord(d));
    if (d.PoidsInverses())
        t.notes.emplace_back(algorithme <= AlgorithmeDeroule::Ford ? kNoteMax : kNoteOpposes);
}
}  // namespace

std::string NomAffiche(const std::string& nom)
{
    return EchapperControles(Cp1252VersUtf8(nom));
}

std::string TexteDistance(int64_t distance, bool poidsInverses)
{
    if (distance >= kAucunSommet)
        return std::string(poidsInverses ? "-" : "").append(kInfini);
    return std::to_string(poidsInverses ? -distance : distance);
}

int32_t PoidsSaisi(int32_t poids, bool poidsInverses)
{
    // The unsigned form, as InverserPoids takes it: defined for any weight.
    return poidsInverses ? static_cast<int32_t>(0u - static_cast<uint32_t>(poids)) : poids;
}

std::string TexteRaison(Raison raison)
{
    switch (raison) {
    case Raison::SansCycle:
        return "ne ferme aucun cycle";
    case Raison::FermeUnCycle:
        return "ferme un cycle";
    case Raison::Deconnecterait:
        return "sa suppression déconnecterait le graphe";
    case Raison::ResteConnexe:
        return "le graphe reste connexe sans lui";
    case Raison::HorsLimite:
        return "aucun choix possible : poids au-delà de la limite de 1000000";
    }
    return {};
}

TableauDeroulement Tabuler(const Deroulement& deroulement)
{
    TableauDeroulement tableau;
    tableau.titre = Titre(deroulement);
    if (deroulement.Algorithme() >= AlgorithmeDeroule::Kruskal1)
        TabulerArbres(deroulement, tableau);
    else if (!deroulement.TropGrand())
        TabulerChemins(deroulement, tableau);
    Annoter(deroulement, tableau);
    return tableau;
}

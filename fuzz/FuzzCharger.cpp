// libFuzzer target: any byte string, written as a ".gff" file, is loaded;
// what was loaded is then drawn, reported on, run through every menu
// command and edited, and must save and load back unchanged. A crash, a
// sanitizer report, a hang or an abort below is a finding.

#include "CanevasMuet.h"
#include "FauxServices.h"
#include "Invariants.h"
#include "algorithms/Commandes.h"
#include "model/TGraphe.h"
#include "algorithms/Rapport.h"
#include "render/DessinGraphe.h"
#include "model/EditionGraphe.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The input file and the save of this process, removed when it exits.
struct FichiersDeTravail {
    std::string entree;
    std::string sauvegarde;

    FichiersDeTravail()
    {
        // Shared memory keeps the writes of every input, and the save's
        // fsync, off the disk.
        const std::string dossier =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
        const std::string base = dossier + "/quorvalent-fuzz-" + std::to_string(::getpid());
        entree = base + ".gff";
        sauvegarde = base + "-sauve.gff";
    }
    ~FichiersDeTravail()
    {
        std::remove(entree.c_str());
        std::remove(sauvegarde.c_str());
    }
};

const FichiersDeTravail& Fichiers()
{
    static const FichiersDeTravail fichiers;
    return fichiers;
}

// The window's own drawing, a shifted one (the printed page) and a scaled one.
void Dessiner(const TGraphe& g)
{
    CanevasMuet canevas;
    DessinerGraphe(g, canevas, 0, 0, 1.0f);
    DessinerGraphe(g, canevas, 300, 120, 2.5f);
    DessinerGraphe(g, canevas, -40, 0, 0.3f);
}

[[noreturn]] void Echouer(const char* quoi, const std::string& detail)
{
    std::fprintf(stderr, "%s\n%s\n", quoi, detail.c_str());
    std::abort();
}

void VerifierCompteurs(const TGraphe& g, const char* etape)
{
    const std::string ecarts = EcartsInvariants(g, false);
    if (!ecarts.empty())
        Echouer(etape, ecarts + PhotoGraphe(g));
}

// The answers a user could give to the prompts: real names of the loaded
// graph in both orders, the same vertex twice, an unknown name, a cancel.
std::vector<std::pair<std::string, std::string>> Reponses(const TGraphe& g)
{
    std::string premier;
    std::string dernier;
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        if (premier.empty())
            premier = s->nom;
        dernier = s->nom;
    }
    return {{premier, dernier}, {dernier, premier}, {dernier, dernier}, {"\x01inconnu", premier}, {"", ""}};
}

bool DemandeDesExtremites(Commande commande)
{
    return commande == Commande::Dijkstra || commande == Commande::BellmanMin || commande == Commande::BellmanMax
        || commande == Commande::FordMin || commande == Commande::FordMax;
}

void ExecuterToutesCommandes(TGraphe& g, FauxServices& fenetre)
{
    const auto reponses = Reponses(g);
    for (const Commande commande : kToutesLesCommandes) {
        // A command that asks nothing runs once: more would only repeat it.
        const size_t essais = DemandeDesExtremites(commande) ? reponses.size() : 1;
        for (size_t i = 0; i < essais; ++i) {
            fenetre.reponsesExtremites = {reponses[i]};
            fenetre.reponsesNoms = {reponses[i].first, reponses[i].second};
            ExecuterCommande(g, commande);
            VerifierCompteurs(g, "apres une commande");
        }
    }
    for (const auto& resultat : fenetre.resultats)
        VerifierCompteurs(*resultat.graphe, "fenetre de resultat");
}

// Files may hold homonyms and arcs to no vertex: editing them must keep the
// counters true.
void Editer(TGraphe& g, FauxServices& fenetre)
{
    EditionGraphe e(g);
    const auto reponses = Reponses(g);
    const std::string& premier = reponses[0].first;
    const std::string& dernier = reponses[0].second;
    int visites = 0;
    for (const Sommet* s = g.PremierSommet(); s != nullptr && visites < 16; s = s->sommetSuivant, ++visites)
        (void)g.Degre(s->nom);
    g.AjouterArc(dernier.c_str(), premier.c_str(), 1);
    g.AjouterSommet(premier.c_str(), 0, 0);
    g.InverserPoids();
    g.SupprimerArc(premier.c_str(), dernier.c_str());
    g.SupprimerSommet(premier.c_str());
    g.AjusterFenetre();
    VerifierCompteurs(g, "apres edition");
    if (g.PremierSommet() == nullptr)
        return;
    // With the mouse: every item of the vertex menu on the first vertex (the
    // deletion last, confirmed), a move, then a drag to the last vertex.
    const Sommet* tete = g.PremierSommet();
    const int32_t x = tete->x;
    const int32_t y = tete->y;
    fenetre.choixSommet = {ChoixMenuSommet::Information, ChoixMenuSommet::DemiDegreExterieur,
                           ChoixMenuSommet::DemiDegreInterieur, ChoixMenuSommet::SupprimerArc,
                           ChoixMenuSommet::Deplacer};
    fenetre.reponsesExtremites = {{premier, dernier}};
    for (size_t i = 0; i < 5; ++i)
        e.OnMouseDown(false, true, x, y);
    e.OnMouseMove(x / 2, y / 2);
    e.OnMouseDown(true, false, x / 2, y / 2);
    if (const Sommet* fin = g.ChercherSommet(dernier.c_str())) {
        fenetre.reponsesNoms = {"-12"};
        e.OnMouseDown(true, false, g.PremierSommet()->x, g.PremierSommet()->y);
        e.OnMouseMove(fin->x, fin->y);
        e.OnMouseUp(fin->x, fin->y);
    }
    fenetre.choixGraphe = {ChoixMenuGraphe::Information};
    e.OnMouseDown(false, true, INT32_MIN, INT32_MIN);
    fenetre.choixSommet = {ChoixMenuSommet::Supprimer};
    fenetre.reponsesQuestions = {true};
    e.OnMouseDown(false, true, g.PremierSommet()->x, g.PremierSommet()->y);
    VerifierCompteurs(g, "apres edition a la souris");
}

void VerifierRelecture(TGraphe& g, FauxServices& fenetre)
{
    const std::string& chemin = Fichiers().sauvegarde;
    const size_t messagesAvant = fenetre.messages.size();
    g.Sauvegarder(chemin);
    if (fenetre.messages.size() != messagesAvant)
        Echouer("sauvegarde refusee", fenetre.messages.back().texte);
    FauxServices autre;
    TGraphe relu(autre);
    relu.Charger(chemin);
    if (!autre.messages.empty())
        Echouer("relecture avec message", autre.messages.back().texte);
    if (PhotoGraphe(relu) != PhotoGraphe(g))
        Echouer("relecture differente", PhotoGraphe(g) + "--- relu ---\n" + PhotoGraphe(relu));
    // A graph read belongs to the file it was read from, whatever path the
    // file stores.
    if (relu.NomFichier() != chemin)
        Echouer("chemin relu different", g.NomFichier() + " / " + relu.NomFichier());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const std::string& chemin = Fichiers().entree;
    {
        std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
        fichier.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    }
    FauxServices fenetre;
    TGraphe g(fenetre);
    g.Charger(chemin);
    VerifierCompteurs(g, "apres Charger");
    Dessiner(g);
    (void)Rapport(g);
    ExecuterToutesCommandes(g, fenetre);
    Dessiner(g);
    Editer(g, fenetre);
    VerifierRelecture(g, fenetre);
    return 0;
}

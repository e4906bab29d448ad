#include "model/Avancement.h"
#include "model/Cp1252.h"
#include "model/EcritureAtomique.h"
#include "model/FichierVerrouille.h"
#include "model/FormatGff.h"
#include "model/Poids.h"
#include "model/TGraphe.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr std::string_view kNonSauvegarde = "Le fichier ne peut être sauvegardé.";
constexpr std::string_view kTitreEcriture = "Erreur d'écriture";
constexpr std::string_view kIntrouvable = "Le fichier spécifié n'est pas atteignable.";
constexpr std::string_view kTitreIntrouvable = "Fichier introuvable";
constexpr std::string_view kNonOuvert =
    "Le fichier spécifié ne peut être ouvert, cela est peut être dû au fait qu'il est déjà "
    "utilisé par un autre programme";
constexpr std::string_view kTitreNonOuvert = "Ouverture impossible";
constexpr std::string_view kPasGff = "Le fichier spécifié n'est pas au format GFF.";
constexpr std::string_view kTitrePasGff = "Format incompatible";
constexpr std::string_view kIncomplet = "Le fichier spécifié est incomplet : seule sa partie lisible a été chargée.";
constexpr std::string_view kTitreIncomplet = "Fichier incomplet";

int32_t LongueurChaine(const Sommet& sommet)
{
    int32_t longueur = 0;
    for (const Arc* a = sommet.arcSuivant; a != nullptr; a = a->arcSuivant)
        ++longueur;
    return longueur;
}

std::vector<unsigned char> ContenuGff(const TGraphe& graphe)
{
    using namespace gff;
    std::vector<unsigned char> octets(kSignature, kSignature + kTailleSignature);
    octets.reserve(kTailleEntete + 36 * size_t(graphe.NbSommets()) + 32 * size_t(graphe.NbArcs()));
    AjouterEntier(octets, graphe.NbSommets());
    AjouterEntier(octets, graphe.NbArcs());
    octets.push_back(graphe.Oriente() ? 1 : 0);
    // A path that does not fit is left out rather than cut: a cut path could
    // name another, existing file.
    const bool tient = graphe.NomFichier().size() < kTailleChemin;
    AjouterTexte(octets, tient ? graphe.NomFichier().c_str() : "", kTailleChemin);
    Avancement avancement(graphe.Fenetre(), static_cast<uint64_t>(graphe.NbSommets()));
    for (const Sommet& s : graphe.Sommets()) {
        avancement.Avancer();
        // The chain's own length: with homonyms read from a file, a count by
        // name would describe another vertex's chain.
        AjouterEntier(octets, LongueurChaine(s));
        AjouterEnregistrement(octets, s);
        for (const Arc& a : Arcs(s))
            AjouterEnregistrement(octets, a);
    }
    return octets;
}

bool EstSignatureGff(const unsigned char* octets)
{
    return octets != nullptr && std::memcmp(octets, gff::kSignature, gff::kTailleSignature) == 0;
}

bool EstFichierOrdinaire(const std::string& chemin)
{
    struct stat info {};
    return ::stat(chemin.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
}  // namespace

bool TGraphe::Sauvegarder(const std::string& chemin)
{
    const std::vector<unsigned char> octets = ContenuGff(*this);
    const std::string erreur =
        EcrireFichier(chemin, std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
    // Today's sentence first, then the path and the system's reason.
    if (!erreur.empty())
        fenetre.AfficherMessage(std::string(kNonSauvegarde) + "\n" + erreur, kTitreEcriture);
    return erreur.empty();
}

void TGraphe::Charger(const std::string& chemin)
{
    if (!EstFichierOrdinaire(chemin)) {
        fenetre.AfficherMessage(kIntrouvable, kTitreIntrouvable);
        return;
    }
    FichierVerrouille fichier(chemin, FichierVerrouille::Mode::Lecture);
    if (!fichier.Ouvert()) {
        fenetre.AfficherMessage(kNonOuvert, kTitreNonOuvert);
        return;
    }
    gff::Curseur curseur(fichier);
    if (!EstSignatureGff(curseur.Prendre(gff::kTailleSignature))) {
        fenetre.AfficherMessage(kPasGff, kTitrePasGff);
        return;
    }
    LibererTout();
    if (!LireGraphe(curseur, chemin))
        fenetre.AfficherMessage(kIncomplet, kTitreIncomplet);
}

bool TGraphe::LireGraphe(gff::Curseur& curseur, const std::string& chemin)
{
    using namespace gff;
    const unsigned char* entete = curseur.Prendre(kTailleEntete - kTailleSignature);
    if (entete == nullptr)
        return false;
    const int32_t annonces = LireEntier(entete);
    oriente = entete[8] != 0;
    // The window's file is the one read, whatever path the file recorded: a
    // copy or a moved file must never save over the place it came from.
    nomFichier = chemin;
    fenetre.FixerTitre(CheminAffichable(nomFichier));
    if (annonces <= 0)
        return true;

    // Counts come from the records actually read, never from the header, and
    // nothing is allocated ahead of the bytes that back it.
    Sommet* dernier = nullptr;
    bool complet = true;
    Avancement avancement(fenetre, static_cast<uint64_t>(annonces));
    for (int32_t i = 0; i < annonces && complet; ++i) {
        avancement.Avancer();
        // One piece: a second call could move the block under the first.
        const unsigned char* degre = curseur.Prendre(4 + kTailleEnregistrement);
        if (degre == nullptr) {
            complet = false;
            break;
        }
        auto* sommet = new Sommet;
        LireEnregistrement(degre + 4, *sommet);
        (dernier != nullptr ? dernier->sommetSuivant : premierSommet) = sommet;
        dernier = sommet;
        ++nbSommets;
        complet = LireChaine(curseur, *sommet, LireEntier(degre));
    }
    FixerTailleSelonSommets();
    return complet;
}

bool TGraphe::LireChaine(gff::Curseur& curseur, Sommet& sommet, int32_t degre)
{
    Arc* dernier = &sommet;
    for (int32_t k = 0; k < degre; ++k) {
        const unsigned char* enregistrement = curseur.Prendre(gff::kTailleEnregistrement);
        if (enregistrement == nullptr)
            return false;
        auto* arc = new Arc;
        gff::LireEnregistrement(enregistrement, *arc);
        // Older files may hold the one int32 whose opposite does not fit.
        arc->valeur = BornerPoids(arc->valeur);
        dernier->arcSuivant = arc;
        dernier = arc;
        ++nbArcs;
    }
    return true;
}

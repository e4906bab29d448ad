#include "algorithms/Rapport.h"

#include "algorithms/Numerotation.h"
#include "algorithms/Structure.h"
#include "model/Cp1252.h"
#include "model/TGraphe.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {
constexpr std::string_view kTitreInformation = "Information";

constexpr std::string_view kDebut = "Le graphe ";
constexpr std::string_view kPossede = " possède ";
constexpr std::string_view kSommetsEt = " sommets et ";
constexpr std::string_view kArcs = "  arcs.\n\n";
constexpr std::string_view kSansCircuit = " - Il ne possède pas de circuit.\n";
constexpr std::string_view kAvecCircuits = " - Il possède un ou plusieurs circuits.\n";
constexpr std::string_view kConnexe = " - Il est connexe.\n";
constexpr std::string_view kComporte = " - Il comporte ";
constexpr std::string_view kComposantesConnexes = " composantes connexes.\n";
constexpr std::string_view kFortementConnexe = " - Il est fortement connexe.\n";
constexpr std::string_view kComposantesFortes = " composantes fortement connexes.\n";
constexpr std::string_view kArbre = " - Il constitue un arbre.\n";
constexpr std::string_view kPasArbre = " - Il ne constitue pas un arbre.\n";
constexpr std::string_view kArborescence = " - Il constitue un arborescence.\n";
constexpr std::string_view kPasArborescence = " - Il ne constitue pas un arborescence.\n";
constexpr std::string_view kEulerien = " - Il est eulérien.\n";
constexpr std::string_view kPasEulerien = " - Il n'est pas eulérien.\n";
constexpr std::string_view kOccupe = " - Il occupe ";
constexpr std::string_view kOctets = " octets en mémoire vive.\n";
constexpr std::string_view kSauvegarde = " - La dernière sauvegarde date de ";
constexpr std::string_view kFin = ".\n";

// Bytes per vertex or arc record, and for the window itself.
constexpr int64_t kOctetsParEnregistrement = 52;
constexpr int64_t kOctetsFenetre = 632;

// The file's last write as a French short date and long time, in local time
// rounded down to an even second (the precision of FAT time stamps); midnight
// shows the date alone. Empty when no file (a directory does not count) is there.
std::string DateDerniereEcriture(const std::string& chemin)
{
    namespace fs = std::filesystem;
    std::error_code erreur;
    if (chemin.empty() || !fs::exists(chemin, erreur) || fs::is_directory(chemin, erreur))
        return {};
    const fs::file_time_type ecriture = fs::last_write_time(chemin, erreur);
    if (erreur)
        return {};
    const auto secondes = std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(ecriture));
    const std::time_t instant = std::chrono::system_clock::to_time_t(secondes);
    std::tm local{};
    if (localtime_r(&instant, &local) == nullptr)
        return {};
    local.tm_sec -= local.tm_sec % 2;
    const bool minuit = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    char texte[64];
    const size_t longueur = std::strftime(texte, sizeof texte, minuit ? "%d/%m/%Y" : "%d/%m/%Y %H:%M:%S", &local);
    return std::string(texte, longueur);
}
}  // namespace

FaitsRapport EtablirFaits(TGraphe& graphe)
{
    FaitsRapport faits;
    faits.sommets = graphe.NbSommets();
    faits.arcs = graphe.Oriente() ? graphe.NbArcs() : graphe.NbArcs() / 2;
    faits.circuit = !SansCircuit(graphe);
    // Each traversal once: the tests below would repeat them up to five
    // times on a large graph. The connected one comes last, since the
    // Eulerian test ends with it and the marks are left as it sets them.
    faits.composantesFortementConnexes = NbComposantesFortementConnexes(graphe);
    faits.composantesConnexes = NbComposantesConnexes(graphe);
    const bool connexe = faits.composantesConnexes == 1;
    faits.arbre = CompteDUnArbre(graphe) && connexe;
    // Only a tree runs the arborescence test again, and its arcs are few.
    faits.arborescence = faits.arbre && EstArborescence(graphe);
    faits.eulerien = connexe && DegresEuleriensPairs(graphe);
    // 64-bit, so that a huge graph is never reported with a negative size.
    faits.octets = kOctetsParEnregistrement * (int64_t{graphe.NbArcs()} + faits.sommets) + kOctetsFenetre;
    faits.derniereSauvegarde = DateDerniereEcriture(graphe.NomFichier());
    return faits;
}

std::string TexteRapport(const TGraphe& graphe, const FaitsRapport& faits)
{
    std::string texte(kDebut);
    texte += CheminAffichable(graphe.NomFichier());
    texte += kPossede;
    texte += std::to_string(faits.sommets);
    texte += kSommetsEt;
    texte += std::to_string(faits.arcs);
    texte += kArcs;
    texte += faits.circuit ? kAvecCircuits : kSansCircuit;
    if (faits.composantesConnexes == 1)
        texte += kConnexe;
    else
        texte += std::string(kComporte) + std::to_string(faits.composantesConnexes) + std::string(kComposantesConnexes);
    if (faits.composantesFortementConnexes == 1)
        texte += kFortementConnexe;
    else
        texte += std::string(kComporte) + std::to_string(faits.composantesFortementConnexes)
               + std::string(kComposantesFortes);
    texte += faits.arbre ? kArbre : kPasArbre;
    texte += faits.arborescence ? kArborescence : kPasArborescence;
    texte += faits.eulerien ? kEulerien : kPasEulerien;
    texte += std::string(kOccupe) + std::to_string(faits.octets) + std::string(kOctets);
    if (!faits.derniereSauvegarde.empty())
        texte += std::string(kSauvegarde) + faits.derniereSauvegarde + std::string(kFin);
    return texte;
}

std::string Rapport(TGraphe& graphe)
{
    return TexteRapport(graphe, EtablirFaits(graphe));
}

void Info1Click(TGraphe& graphe)
{
    graphe.Fenetre().AfficherMessage(Rapport(graphe), kTitreInformation);
}

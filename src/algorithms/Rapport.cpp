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

std::string Rapport(TGraphe& graphe)
{
    const int32_t nbSommets = graphe.NbSommets();
    const int32_t nbArcs = graphe.NbArcs();
    std::string texte(kDebut);
    texte += CheminAffichable(graphe.NomFichier());
    texte += kPossede;
    texte += std::to_string(nbSommets);
    texte += kSommetsEt;
    texte += std::to_string(graphe.Oriente() ? nbArcs : nbArcs / 2);
    texte += kArcs;

    texte += SansCircuit(graphe) ? kSansCircuit : kAvecCircuits;
    // Each traversal once: the tests below would repeat them up to five
    // times on a large graph. The connected one comes last, since the
    // Eulerian test ends with it and the marks are left as it sets them.
    const int32_t fortes = NbComposantesFortementConnexes(graphe);
    const int32_t connexes = NbComposantesConnexes(graphe);
    if (connexes == 1)
        texte += kConnexe;
    else
        texte += std::string(kComporte) + std::to_string(connexes) + std::string(kComposantesConnexes);
    if (fortes == 1)
        texte += kFortementConnexe;
    else
        texte += std::string(kComporte) + std::to_string(fortes) + std::string(kComposantesFortes);
    const bool arbre = CompteDUnArbre(graphe) && connexes == 1;
    texte += arbre ? kArbre : kPasArbre;
    // Only a tree runs the arborescence test again, and its arcs are few.
    texte += arbre && EstArborescence(graphe) ? kArborescence : kPasArborescence;
    texte += connexes == 1 && DegresEuleriensPairs(graphe) ? kEulerien : kPasEulerien;

    // 64-bit, so that a huge graph is never reported with a negative size.
    const int64_t octets = kOctetsParEnregistrement * (int64_t{nbArcs} + nbSommets) + kOctetsFenetre;
    texte += std::string(kOccupe) + std::to_string(octets) + std::string(kOctets);

    if (const std::string date = DateDerniereEcriture(graphe.NomFichier()); !date.empty())
        texte += std::string(kSauvegarde) + date + std::string(kFin);
    return texte;
}

void Info1Click(TGraphe& graphe)
{
    graphe.Fenetre().AfficherMessage(Rapport(graphe), kTitreInformation);
}

#include "formats/FichiersEchange.h"

#include "formats/EchangeDepuisGraphe.h"
#include "formats/FormatCsv.h"
#include "formats/FormatGraphML.h"
#include "formats/FormatJson.h"
#include "formats/FormatTikz.h"
#include "formats/LireDot.h"
#include "formats/RemplirDepuisEchange.h"
#include "formats/TexteDot.h"
#include "model/Cp1252.h"
#include "model/EcritureAtomique.h"
#include "model/FichierVerrouille.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace {
constexpr size_t kTailleMax = size_t(64) * 1024 * 1024;
constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

std::string Lire(std::string_view nom, std::string_view texte, const OptionsLecture& options, GrapheEchange& graphe)
{
    if (nom == "graphml")
        return LireGraphML(texte, graphe);
    if (nom == "json")
        return LireJson(texte, graphe);
    if (nom == "dot")
        return LireDot(texte, graphe);
    // French spreadsheets often save in Windows-1252, which is rarely
    // valid UTF-8.
    const std::string utf8 = EstUtf8Valide(texte) ? std::string(texte) : Cp1252VersUtf8(texte);
    return LireCsv(utf8, options.csvOriente, graphe);
}

std::string Texte(std::string_view nom, const GrapheEchange& graphe)
{
    if (nom == "graphml")
        return TexteGraphML(graphe);
    if (nom == "json")
        return TexteJson(graphe);
    if (nom == "dot")
        return TexteDot(graphe);
    if (nom == "csv")
        return TexteCsv(graphe);
    return TexteTikz(graphe);
}

std::string NonLu(const std::string& chemin, const std::string& raison)
{
    return "Le fichier « " + CheminAffichable(chemin) + " » n'a pu être lu : " + raison;
}

// The whole file, or the reason it was not read.
std::string Contenu(const std::string& chemin, std::string& contenu)
{
    struct stat info {};
    if (::stat(chemin.c_str(), &info) != 0)
        return NonLu(chemin, errno == ENOENT ? std::string("il n'existe pas.") : RaisonSysteme(errno) + ".");
    if (!S_ISREG(info.st_mode))
        return NonLu(chemin, "ce n'est pas un fichier ordinaire.");
    if (static_cast<unsigned long long>(info.st_size) > kTailleMax)
        return NonLu(chemin, "il dépasse 64 Mio.");
    FichierVerrouille fichier(chemin, FichierVerrouille::Mode::Lecture);
    if (!fichier.Ouvert())
        return NonLu(chemin, RaisonSysteme(errno) + ".");
    // Read in blocks up to one byte past the limit, which tells a file
    // that grew since stat without claiming the limit for a small file.
    constexpr size_t kBloc = 1 << 20;
    for (size_t lus = kBloc; lus == kBloc && contenu.size() <= kTailleMax;) {
        const size_t avant = contenu.size();
        contenu.resize(avant + kBloc);
        lus = fichier.Lire(contenu.data() + avant, kBloc);
        contenu.resize(avant + lus);
    }
    if (contenu.size() > kTailleMax)
        return NonLu(chemin, "il dépasse 64 Mio.");
    if (contenu.starts_with(kBomUtf8))
        contenu.erase(0, kBomUtf8.size());
    return {};
}
}  // namespace

const std::vector<FormatEchange>& FormatsEchange()
{
    static const std::vector<FormatEchange> formats = {
        {"graphml", "GraphML", {".graphml"}, true},   {"dot", "Graphviz DOT", {".dot", ".gv"}, true},
        {"csv", "Liste d'arcs CSV", {".csv"}, true},  {"json", "JSON node-link", {".json"}, true},
        {"tikz", "TikZ pour LaTeX", {".tex"}, false},
    };
    return formats;
}

const FormatEchange* FormatSelonNom(std::string_view nom)
{
    const auto& formats = FormatsEchange();
    const auto trouve =
        std::find_if(formats.begin(), formats.end(), [&](const FormatEchange& f) { return f.nom == nom; });
    return trouve == formats.end() ? nullptr : &*trouve;
}

const FormatEchange* FormatSelonChemin(const std::string& chemin)
{
    std::string extension = std::filesystem::path(chemin).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const FormatEchange& format : FormatsEchange()) {
        if (std::find(format.extensions.begin(), format.extensions.end(), extension) != format.extensions.end())
            return &format;
    }
    return nullptr;
}

std::string LireFichierEchange(const std::string& chemin, const FormatEchange& format, const OptionsLecture& options,
                               GrapheEchange& graphe)
{
    if (!format.lisible)
        return NonLu(chemin, "le format " + std::string(format.libelle) + " s'écrit seulement.");
    std::string contenu;
    std::string erreur = Contenu(chemin, contenu);
    if (!erreur.empty())
        return erreur;
    erreur = Lire(format.nom, contenu, options, graphe);
    return erreur.empty() ? erreur : NonLu(chemin, erreur);
}

std::string EcrireFichierEchange(const std::string& chemin, const FormatEchange& format, const GrapheEchange& graphe)
{
    return EcrireFichier(chemin, Texte(format.nom, graphe));
}

std::string ChargerFichierEchange(const std::string& chemin, const FormatEchange& format, const OptionsLecture& options,
                                  TGraphe& graphe, std::vector<std::string>& adaptations)
{
    GrapheEchange echange;
    std::string erreur = LireFichierEchange(chemin, format, options, echange);
    if (erreur.empty())
        adaptations = RemplirDepuisEchange(std::move(echange), graphe);
    return erreur;
}

std::string EnregistrerFichierEchange(const TGraphe& graphe, const std::string& chemin, const FormatEchange& format)
{
    return EcrireFichierEchange(chemin, format, EchangeDepuisGraphe(graphe));
}

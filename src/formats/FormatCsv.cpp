#include "formats/FormatCsv.h"

#include "formats/LimitesEchange.h"
#include "formats/NombresTexte.h"

#include <unordered_map>
#include <vector>

namespace {
using Ligne = std::vector<std::string>;

// Splits the text into rows of fields, one row at a time.
class LecteurLignes {
public:
    LecteurLignes(std::string_view texte_, char separateur_) : texte(texte_), separateur(separateur_) {}

    bool Fini() const { return position >= texte.size(); }
    size_t NumeroLigne() const { return numero; }

    // The next row; false when a quoted field never closes.
    bool Lire(Ligne& champs)
    {
        champs.assign(1, std::string());
        numero = ligneCourante;
        bool guillemets = false;
        for (; position < texte.size(); ++position) {
            const char c = texte[position];
            if (c == '\n')
                ++ligneCourante;
            if (guillemets) {
                if (c != '"')
                    champs.back() += c;
                else if (position + 1 < texte.size() && texte[position + 1] == '"')
                    champs.back() += texte[++position];
                else
                    guillemets = false;
            } else if (c == '"')
                guillemets = true;
            else if (c == separateur)
                champs.emplace_back();
            else if (c == '\n') {
                ++position;
                break;
            } else if (c != '\r')
                champs.back() += c;
        }
        return !guillemets;
    }

private:
    std::string_view texte;
    char separateur;
    size_t position = 0;
    size_t ligneCourante = 1;
    size_t numero = 1;
};

bool Vide(const Ligne& champs)
{
    return champs.size() == 1 && champs[0].empty();
}

class LecteurCsv {
public:
    LecteurCsv(std::string_view texte, GrapheEchange& graphe_) : lignes(texte, Separateur(texte)), graphe(graphe_) {}

    std::string Lire()
    {
        Ligne champs;
        if (!lignes.Lire(champs) || champs.size() < 2)
            return "en-tête « origine;cible;poids » attendu, ligne 1.";
        std::vector<std::pair<Ligne, size_t>> aretes;
        bool sectionSommets = false;
        bool apresVide = false;
        while (!lignes.Fini()) {
            if (!lignes.Lire(champs))
                return "guillemet jamais refermé" + Ici() + ".";
            if (Vide(champs)) {
                apresVide = true;
                continue;
            }
            // Only a header after an empty row opens the section: an edge
            // may start at a vertex named "sommet".
            if (!sectionSommets && apresVide && champs[0] == "sommet") {
                sectionSommets = true;
                continue;
            }
            std::string erreur = sectionSommets ? LireSommet(champs) : std::string();
            if (erreur.empty() && aretes.size() > kArcsEchangeMax)
                erreur = "plus de " + std::to_string(kArcsEchangeMax) + " arcs.";
            if (erreur.empty())
                erreur = Depassement(graphe);
            if (!erreur.empty())
                return erreur;
            if (!sectionSommets)
                aretes.emplace_back(champs, lignes.NumeroLigne());
        }
        // The vertex section comes last but sets the list order: the edges
        // are read once every listed vertex is known.
        for (const auto& [arete, numero] : aretes) {
            std::string erreur = LireArete(arete, numero);
            if (erreur.empty())
                erreur = Depassement(graphe);
            if (!erreur.empty())
                return erreur;
        }
        return {};
    }

private:
    LecteurLignes lignes;
    GrapheEchange& graphe;
    std::unordered_map<std::string, size_t> indices;

    // French spreadsheets separate with semicolons, others with commas: the
    // header tells which.
    static char Separateur(std::string_view texte)
    {
        const std::string_view entete = texte.substr(0, texte.find('\n'));
        return entete.find(';') != std::string_view::npos ? ';' : ',';
    }

    std::string Ici() const { return ", ligne " + std::to_string(lignes.NumeroLigne()); }

    size_t Indice(const std::string& nom)
    {
        const auto [place, nouveau] = indices.try_emplace(nom, graphe.sommets.size());
        if (nouveau)
            graphe.sommets.push_back({nom, std::nullopt, std::nullopt, std::nullopt});
        return place->second;
    }

    std::string LireSommet(const Ligne& champs)
    {
        if (indices.contains(champs[0]))
            return "sommet « " + champs[0] + " » listé deux fois" + Ici() + ".";
        SommetEchange& sommet = graphe.sommets[Indice(champs[0])];
        if (champs.size() >= 3 && !(champs[1].empty() && champs[2].empty())) {
            sommet.x = LireReel(champs[1]);
            sommet.y = LireReel(champs[2]);
            if (!sommet.x || !sommet.y)
                return "position non numérique « " + champs[1] + " ; " + champs[2] + " »" + Ici() + ".";
        }
        if (champs.size() >= 4 && !champs[3].empty()) {
            sommet.numero = LireEntier32(champs[3]);
            if (!sommet.numero)
                return "numéro invalide « " + champs[3] + " »" + Ici() + ".";
        }
        return {};
    }

    std::string LireArete(const Ligne& champs, size_t numero)
    {
        const std::string ligne = ", ligne " + std::to_string(numero) + ".";
        if (champs.size() < 2)
            return "arête sans cible" + ligne;
        ArcEchange arc{Indice(champs[0]), Indice(champs[1]), std::nullopt};
        if (champs.size() >= 3 && !champs[2].empty()) {
            arc.poids = LireReel(champs[2]);
            if (!arc.poids)
                return "poids non numérique « " + champs[2] + " »" + ligne;
        }
        graphe.arcs.push_back(arc);
        return {};
    }
};

// RFC 4180: a field holding the separator, a quote or a line end is quoted.
std::string Champ(const std::string& valeur)
{
    if (valeur.find_first_of(";,\"\r\n") == std::string::npos)
        return valeur;
    std::string cite = "\"";
    for (const char c : valeur)
        cite += c == '"' ? std::string("\"\"") : std::string(1, c);
    return cite + "\"";
}
}  // namespace

std::string LireCsv(std::string_view texte, bool oriente, GrapheEchange& graphe)
{
    graphe.oriente = oriente;
    return LecteurCsv(texte, graphe).Lire();
}

std::string TexteCsv(const GrapheEchange& graphe)
{
    std::string texte = "origine;cible;poids\r\n";
    for (const ArcEchange& a : graphe.arcs) {
        texte += Champ(graphe.sommets[a.origine].nom) + ";" + Champ(graphe.sommets[a.cible].nom) + ";"
               + (a.poids ? EcrireReel(*a.poids) : std::string()) + "\r\n";
    }
    texte += "\r\nsommet;x;y;numero\r\n";
    for (const SommetEchange& s : graphe.sommets) {
        texte += Champ(s.nom) + ";" + (s.x && s.y ? EcrireReel(*s.x) + ";" + EcrireReel(*s.y) : std::string(";")) + ";"
               + (s.numero ? std::to_string(*s.numero) : std::string()) + "\r\n";
    }
    return texte;
}

#include "formats/FormatJson.h"

#include "formats/LimitesEchange.h"
#include "formats/NombresTexte.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <unordered_map>
#include <unordered_set>

using Json = nlohmann::json;

namespace {
// Deeper than any node-link file; checked before parsing, so that a file
// of brackets never reaches a parser or a destructor that recurses.
constexpr int kProfondeurMax = 64;

// The byte where the nesting first goes too deep, or npos.
size_t TropProfond(std::string_view texte)
{
    int profondeur = 0;
    bool chaine = false;
    for (size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (chaine) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                chaine = false;
        } else if (c == '"')
            chaine = true;
        else if ((c == '[' || c == '{') && ++profondeur > kProfondeurMax)
            return i;
        else if (c == ']' || c == '}')
            --profondeur;
    }
    return std::string_view::npos;
}

// A node's id as text: NetworkX ids are often numbers.
std::string Identifiant(const Json& id)
{
    return id.is_string() ? id.get<std::string>() : id.dump();
}

std::string Texte(const Json& valeur)
{
    return valeur.is_string() ? valeur.get<std::string>() : valeur.dump();
}

std::optional<double> Reel(const Json& valeur)
{
    if (valeur.is_number()) {
        const double v = valeur.get<double>();
        return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    }
    return valeur.is_string() ? LireReel(valeur.get<std::string>()) : std::nullopt;
}

// Whole numbers as integers, as NetworkX writes them.
Json Nombre(double valeur)
{
    constexpr double kEntierExact = 9007199254740992.0;
    if (std::trunc(valeur) == valeur && std::fabs(valeur) < kEntierExact)
        return static_cast<int64_t>(valeur);
    return valeur;
}

std::string Rang(const char* liste, size_t i)
{
    return std::string(" (") + liste + " n°" + std::to_string(i + 1) + ")";
}

std::string LireNoeuds(const Json& noeuds, GrapheEchange& graphe, std::unordered_map<std::string, size_t>& indices)
{
    for (size_t i = 0; i < noeuds.size(); ++i) {
        const Json& noeud = noeuds[i];
        if (!noeud.is_object() || !noeud.contains("id"))
            return "nœud sans « id »" + Rang("nodes", i) + ".";
        const std::string id = Identifiant(noeud["id"]);
        if (!indices.try_emplace(id, graphe.sommets.size()).second)
            return "deux nœuds portent l'identifiant « " + id + " »" + Rang("nodes", i) + ".";
        SommetEchange sommet;
        sommet.nom = noeud.contains("name")  ? Texte(noeud["name"])
                   : noeud.contains("label") ? Texte(noeud["label"])
                                             : id;
        for (const char* axe : {"x", "y"}) {
            if (!noeud.contains(axe))
                continue;
            const std::optional<double> v = Reel(noeud[axe]);
            if (!v)
                return "coordonnée " + std::string(axe) + " non numérique" + Rang("nodes", i) + ".";
            (*axe == 'x' ? sommet.x : sommet.y) = v;
        }
        if (noeud.contains("numero")) {
            sommet.numero = LireEntier32(Texte(noeud["numero"]));
            if (!sommet.numero)
                return "numéro invalide « " + Texte(noeud["numero"]) + " »" + Rang("nodes", i) + ".";
        }
        graphe.sommets.push_back(std::move(sommet));
        if (std::string depasse = Depassement(graphe); !depasse.empty())
            return depasse;
    }
    return {};
}

std::string LireLiens(const Json& liens, const char* nomListe, GrapheEchange& graphe,
                      const std::unordered_map<std::string, size_t>& indices)
{
    for (size_t i = 0; i < liens.size(); ++i) {
        const Json& lien = liens[i];
        if (!lien.is_object())
            return "lien qui n'est pas un objet" + Rang(nomListe, i) + ".";
        ArcEchange arc;
        for (const char* bout : {"source", "target"}) {
            const auto trouve = lien.contains(bout) ? indices.find(Identifiant(lien[bout])) : indices.end();
            if (trouve == indices.end())
                return "le lien désigne un nœud absent du graphe" + Rang(nomListe, i) + ".";
            (*bout == 's' ? arc.origine : arc.cible) = trouve->second;
        }
        if (lien.contains("weight")) {
            arc.poids = Reel(lien["weight"]);
            if (!arc.poids)
                return "poids non numérique « " + Texte(lien["weight"]) + " »" + Rang(nomListe, i) + ".";
        }
        graphe.arcs.push_back(arc);
        if (std::string depasse = Depassement(graphe); !depasse.empty())
            return depasse;
    }
    return {};
}
}  // namespace

std::string LireJson(std::string_view texte, GrapheEchange& graphe)
{
    if (const size_t profond = TropProfond(texte); profond != std::string_view::npos)
        return "imbrication trop profonde, ligne " + std::to_string(LigneDe(texte, profond)) + ".";
    Json document;
    try {
        document = Json::parse(texte.begin(), texte.end());
    } catch (const Json::parse_error& erreur) {
        // The parser's only way of saying where the text went wrong.
        return "JSON mal formé, ligne " + std::to_string(LigneDe(texte, erreur.byte > 0 ? erreur.byte - 1 : 0)) + ".";
    } catch (const Json::exception&) {
        // A number too large even for a double, the only other fault the
        // parser throws for; it does not say where.
        return "JSON illisible : nombre hors des limites.";
    }
    if (!document.is_object() || !document.contains("nodes") || !document["nodes"].is_array())
        return "ce n'est pas un graphe « node-link » : liste « nodes » absente.";
    const char* nomLiens = document.contains("links") ? "links" : "edges";
    const Json& liens = document.contains(nomLiens) ? document[nomLiens] : Json::array();
    if (!liens.is_array())
        return std::string("« ") + nomLiens + " » n'est pas une liste.";
    if (document.contains("directed") && !document["directed"].is_boolean())
        return "« directed » doit valoir true ou false.";
    graphe.oriente = document.value("directed", false);
    std::unordered_map<std::string, size_t> indices;
    std::string erreur = LireNoeuds(document["nodes"], graphe, indices);
    return erreur.empty() ? LireLiens(liens, nomLiens, graphe, indices) : erreur;
}

std::string TexteJson(const GrapheEchange& graphe)
{
    std::unordered_set<std::string> noms;
    for (const SommetEchange& s : graphe.sommets)
        noms.insert(s.nom);
    const bool parNom = noms.size() == graphe.sommets.size();
    const auto id = [&](size_t i) { return parNom ? Json(graphe.sommets[i].nom) : Json(i); };
    Json noeuds = Json::array();
    for (size_t i = 0; i < graphe.sommets.size(); ++i) {
        const SommetEchange& s = graphe.sommets[i];
        Json noeud = {{"id", id(i)}};
        if (!parNom)
            noeud["name"] = s.nom;
        if (s.x && s.y) {
            noeud["x"] = Nombre(*s.x);
            noeud["y"] = Nombre(*s.y);
        }
        if (s.numero)
            noeud["numero"] = *s.numero;
        noeuds.push_back(std::move(noeud));
    }
    Json liens = Json::array();
    for (const ArcEchange& a : graphe.arcs) {
        Json lien = {{"source", id(a.origine)}, {"target", id(a.cible)}};
        if (a.poids)
            lien["weight"] = Nombre(*a.poids);
        liens.push_back(std::move(lien));
    }
    const Json document = {{"directed", graphe.oriente},
                           {"multigraph", true},
                           {"graph", Json::object()},
                           {"nodes", std::move(noeuds)},
                           {"links", std::move(liens)}};
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

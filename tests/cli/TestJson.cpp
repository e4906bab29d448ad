#include "cli/OutilCli.h"

#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {
// The part of JSON Schema that docs/quorvalent-cli.schema.json uses: $ref
// into $defs, anyOf, type, required, properties, additionalProperties: false
// and items.
bool DuType(const json& valeur, const std::string& type)
{
    return type == "integer" ? valeur.is_number_integer()
         : type == "string"  ? valeur.is_string()
         : type == "boolean" ? valeur.is_boolean()
         : type == "array"   ? valeur.is_array()
         : type == "object"  ? valeur.is_object()
                             : type == "null" && valeur.is_null();
}

bool Valide(const json& valeur, const json& schema, const json& racine)
{
    if (schema.contains("$ref"))
        return Valide(valeur, racine["$defs"][schema["$ref"].get<std::string>().substr(8)], racine);
    if (schema.contains("anyOf")) {
        const auto& choix = schema["anyOf"];
        if (std::none_of(choix.begin(), choix.end(), [&](const json& s) { return Valide(valeur, s, racine); }))
            return false;
    }
    if (schema.contains("type")) {
        const json types = schema["type"].is_array() ? schema["type"] : json::array({schema["type"]});
        if (std::none_of(types.begin(), types.end(), [&](const json& t) { return DuType(valeur, t); }))
            return false;
    }
    for (const json& champ : schema.value("required", json::array()))
        if (!valeur.contains(champ.get<std::string>()))
            return false;
    if (valeur.is_object() && schema.contains("properties"))
        for (const auto& [nom, champ] : valeur.items()) {
            if (schema["properties"].contains(nom) ? !Valide(champ, schema["properties"][nom], racine)
                                                   : schema.value("additionalProperties", true) == false)
                return false;
        }
    if (valeur.is_array() && schema.contains("items"))
        for (const json& element : valeur)
            if (!Valide(element, schema["items"], racine))
                return false;
    return true;
}
}  // namespace

TEST_F(TestCli, Json_chaqueCommandeEcritDesLignesConformesAuSchema)
{
    std::ifstream fichier(std::string(QUORVALENT_SOURCE) + "/docs/quorvalent-cli.schema.json");
    const json schema = json::parse(fichier);
    Ecrire("g.gff", false, [](TGraphe& g) {
        g.AjouterSommet("Zo\xe9", 1, 2);
        g.AjouterSommet("B -> C : (", 3, 4);
        g.AjouterArc("Zo\xe9", "B -> C : (", 7);
    });
    const std::vector<std::vector<std::string>> lignes = {
        {"afficher", "g.gff", "g.gff"},
        {"rapport", "g.gff"},
        {"circuit", "g.gff"},
        {"arbre", "g.gff"},
        {"numerotation", "g.gff"},
        {"dijkstra", "g.gff", "Zoé", "B -> C : ("},
        {"ford", "g.gff", "Zoé", "X"},
        {"kruskal1", "g.gff"},
        {"kruskal2", "g.gff"},
        {"exporter", "g.gff", "g.svg"},
        {"imprimer", "g.gff", "g.pdf"},
        {"convertir", "g.gff", "g.graphml"},
        {"dijkstra", "--etapes", "g.gff", "Zoé", "B -> C : ("},
        {"ford", "--etapes", "--max", "g.gff", "Zoé", "X"},
        {"bellman", "--etapes", "g.gff", "Zoé", "Zoé"},
        {"kruskal1", "--etapes", "g.gff"},
        {"kruskal2", "--etapes", "--max", "g.gff"},
    };
    for (std::vector<std::string> ligne : lignes) {
        ligne.push_back("--json");
        const Execution e = Lancer(ligne);
        EXPECT_LE(e.statut, 1) << ligne[0] << e.erreurs;
        std::istringstream sortie(e.sortie);
        int nbLignes = 0;
        for (std::string texte; std::getline(sortie, texte); ++nbLignes) {
            const json objet = json::parse(texte, nullptr, false);
            EXPECT_TRUE(Valide(objet, schema, schema)) << texte;
            EXPECT_EQ(objet.value("fichier", ""), "g.gff");
        }
        EXPECT_EQ(nbLignes, ligne[0] == "afficher" ? 2 : 1) << ligne[0];
    }
    const json chemin = json::parse(Lancer({"dijkstra", "--json", "g.gff", "Zoé", "B -> C : ("}).sortie);
    EXPECT_EQ(chemin["chemin"], json::array({"Zoé", "B -> C : ("}));
    EXPECT_EQ(chemin["distance"], 7);
    // The graph is non-oriented: its edge leads back as well.
    const json etapes = json::parse(Lancer({"dijkstra", "--json", "--etapes", "g.gff", "B -> C : (", "Zoé"}).sortie);
    EXPECT_EQ(etapes["etapes"], json::parse(R"([
        {"sommet":"B -> C : (","distances":{"Zoé":7,"B -> C : (":0},"predecesseurs":{"Zoé":"B -> C : (","B -> C : (":null}},
        {"sommet":"Zoé","distances":{"Zoé":7,"B -> C : (":0},"predecesseurs":{"Zoé":"B -> C : (","B -> C : (":null}}])"));
    const json kruskal = json::parse(Lancer({"kruskal1", "--json", "--etapes", "--max", "g.gff"}).sortie);
    EXPECT_EQ(kruskal["etapes"], json::parse(R"([
        {"origine":"Zoé","cible":"B -> C : (","poids":7,"garde":true,"raison":"ne ferme aucun cycle"},
        {"origine":"B -> C : (","cible":"Zoé","poids":7,"garde":false,"raison":"ferme un cycle"}])"));
    const json arbre = json::parse(Lancer({"kruskal2", "--json", "g.gff"}).sortie);
    EXPECT_EQ(arbre["poids_total"], 7) << "an edge counts once";
    EXPECT_EQ(arbre["arcs"].size(), 2u) << "and is listed both ways";
}

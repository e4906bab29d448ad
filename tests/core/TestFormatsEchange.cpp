#include "FauxServices.h"
#include "GrapheAleatoire.h"
#include "Invariants.h"
#include "OutilsGraphe.h"
#include "formats/EchangeDepuisGraphe.h"
#include "formats/FichiersEchange.h"
#include "formats/FormatTikz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

struct FormatsEchange : ::testing::Test {
    fs::path dossier;

    void SetUp() override
    {
        char modele[] = "/tmp/quorvalent-formats-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        dossier = modele;
    }
    void TearDown() override { fs::remove_all(dossier); }

    std::string Ecrire(const std::string& nom, const std::string& contenu) const
    {
        const std::string chemin = (dossier / nom).string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }

    // The file read into a fresh store: its photo, or the reader's message.
    struct Lu {
        FauxServices fenetre;
        TGraphe g{fenetre};
        std::string erreur;
        std::vector<std::string> adaptations;
    };
    std::unique_ptr<Lu> Charger(const std::string& chemin, bool csvOriente = true) const
    {
        auto lu = std::make_unique<Lu>();
        lu->erreur = ChargerFichierEchange(chemin, *FormatSelonChemin(chemin), {csvOriente}, lu->g, lu->adaptations);
        return lu;
    }
    std::unique_ptr<Lu> ChargerTexte(const std::string& nom, const std::string& contenu) const
    {
        return Charger(Ecrire(nom, contenu));
    }
};

// Names a store may hold (Windows-1252) that the formats must quote or escape.
const std::vector<std::string> kNomsDifficiles = {
    "A",       "\xE9t\xE9",      "x;y",      "\"cit\xE9\"",         "<&>", "a,b", "sommet",
    "\x80uro", "deux\r\nlignes", "S\\1\x01", "1234567890123456789",
};

GrapheGenere Difficile(uint32_t graine, bool oriente)
{
    Tirage tirage;
    tirage.sommets = 11;
    tirage.arcs = 30;
    tirage.oriente = oriente;
    tirage.poidsMin = -50;
    tirage.poidsMax = 50;
    tirage.poidsRares = {2147483647, -2147483647, 0};
    tirage.coordonneeMin = -20;
    tirage.coordonneeMax = 900;
    tirage.melange = true;
    tirage.graine = graine;
    GrapheGenere g = Tirer(tirage);
    // The generator's names, kept in their shuffled order, made difficult.
    for (auto& nom : g.noms)
        nom = kNomsDifficiles[size_t(std::stoi(nom.substr(1)))];
    return g;
}

TEST_F(FormatsEchange, AllerRetour_grapheIdentiqueDansChaqueFormatLisible)
{
    for (const uint32_t graine : {1u, 2u, 3u, 4u, 5u, 6u}) {
        for (const bool oriente : {true, false}) {
            FauxServices fenetre;
            TGraphe g(fenetre);
            Remplir(g, Difficile(graine, oriente));
            int numero = 0;
            for (Sommet& s : g.Sommets())
                s.valeur = (numero++ % 3 == 0) ? numero * 7 - 20 : 0;
            for (const char* extension : {".graphml", ".dot", ".gv", ".json", ".csv", ".GraphML"}) {
                const std::string chemin = (dossier / ("g" + std::string(extension))).string();
                ASSERT_EQ(EnregistrerFichierEchange(g, chemin, *FormatSelonChemin(chemin)), "");
                const auto lu = Charger(chemin, oriente);
                ASSERT_EQ(lu->erreur, "") << extension;
                EXPECT_EQ(PhotoGraphe(lu->g), PhotoGraphe(g))
                    << extension << " graine " << graine << (oriente ? " orienté" : " non orienté");
                EXPECT_TRUE(lu->adaptations.empty()) << lu->adaptations.front();
            }
        }
    }
}

TEST_F(FormatsEchange, NonOriente_chaqueAreteUneFoisEtBouclesGardees)
{
    FauxServices fenetre;
    TGraphe g(fenetre);
    g.FixerOriente(false);
    g.AjouterSommet("A", 10, 10);
    g.AjouterSommet("B", 90, 10);
    g.AjouterArc("A", "B", 3);
    g.AjouterArc("A", "A", 4);
    g.AjouterArc("B", "A", 3);
    const GrapheEchange e = EchangeDepuisGraphe(g);
    ASSERT_EQ(e.arcs.size(), 3u);
    EXPECT_EQ(e.arcs[1].origine, 0u);
    EXPECT_EQ(e.arcs[1].cible, 0u);
}

TEST_F(FormatsEchange, FichiersEcritsALaMain_selonLeurDocumentation)
{
    // yEd: labels in NodeLabel, positions as the box's corner and size.
    const auto yed = ChargerTexte("yed.graphml", R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<graphml xmlns="http://graphml.graphdrawing.org/xmlns" xmlns:y="http://www.yworks.com/xml/graphml">
  <key for="node" id="d6" yfiles.type="nodegraphics"/>
  <key attr.name="weight" attr.type="double" for="edge" id="d9"><default>2</default></key>
  <graph edgedefault="directed" id="G">
    <node id="n0"><data key="d6"><y:ShapeNode><y:Geometry height="30.0" width="40.0" x="100.0" y="200.0"/>
      <y:NodeLabel>Départ</y:NodeLabel></y:ShapeNode></data></node>
    <node id="n1"><data key="d6"><y:ShapeNode><y:Geometry height="30.0" width="30.0" x="300.0" y="185.0"/>
      <y:NodeLabel>Arrivée</y:NodeLabel></y:ShapeNode></data></node>
    <edge id="e0" source="n0" target="n1"><data key="d9">5.5</data></edge>
    <edge id="e1" source="n1" target="n1"/>
  </graph>
</graphml>)");
    ASSERT_EQ(yed->erreur, "");
    EXPECT_EQ(PhotoGraphe(yed->g),
              "sommets=2 arcs=2 oriente=1\n"
              "D\xE9"
              "part(120,215)#0: Arriv\xE9"
              "e(315,200)=6\n"
              "Arriv\xE9"
              "e(315,200)#0: Arriv\xE9"
              "e(315,200)=2\n");
    ASSERT_EQ(yed->adaptations.size(), 1u);
    EXPECT_EQ(yed->adaptations[0], "Le poids 5.5 de l'arc « Départ » → « Arrivée » devient 6.");

    // NetworkX's node_link_data of an undirected multigraph, integer ids.
    const auto networkx = ChargerTexte("nx.json", R"({"directed": false, "multigraph": true, "graph": {},
      "nodes": [{"id": 0, "x": 10, "y": 20}, {"id": 1, "x": 50.4, "y": 20}],
      "links": [{"source": 0, "target": 1, "weight": 1.5, "key": 0}, {"source": 1, "target": 0, "key": 1}]})");
    ASSERT_EQ(networkx->erreur, "");
    EXPECT_EQ(PhotoGraphe(networkx->g),
              "sommets=2 arcs=4 oriente=0\n"
              "0(10,20)#0: 1(50,20)=2 1(50,20)=1\n"
              "1(50,20)#0: 0(10,20)=2 0(10,20)=1\n");

    // A spreadsheet's export: commas, quotes, no weight, no vertex section.
    const auto tableur =
        ChargerTexte("t.csv", "source,target,weight\r\n\"Lyon, gare\",Paris,\r\nParis,\"Lyon, gare\",4\r\n");
    ASSERT_EQ(tableur->erreur, "");
    EXPECT_EQ(tableur->g.NbSommets(), 2);
    EXPECT_EQ(Chaine(tableur->g, "Lyon, gare"), std::vector<std::string>{"Paris:1"});
    EXPECT_EQ(Chaine(tableur->g, "Paris"), std::vector<std::string>{"Lyon, gare:4"});
}

TEST_F(FormatsEchange, Adaptations_nomsEtPoidsQueLeMagasinNePeutGarder)
{
    const auto lu = ChargerTexte("a.json", R"({"directed": true, "nodes": [
      {"id": "ΩA"}, {"id": "une étiquette bien trop longue"}, {"id": "une étiquette bien trop longue!"},
      {"id": ""}, {"id": 7}],
      "links": [{"source": "ΩA", "target": 7, "weight": 1e12}, {"source": 7, "target": "", "weight": -2.5}]})");
    ASSERT_EQ(lu->erreur, "");
    const std::vector<std::string> noms = {"?A", "une \xE9tiquette bien ", "une \xE9tiquette bie~2", "?", "7"};
    std::vector<std::string> lus;
    for (const Sommet& s : lu->g.Sommets())
        lus.emplace_back(s.nom);
    EXPECT_EQ(lus, noms);
    EXPECT_EQ(Chaine(lu->g, "?A"), std::vector<std::string>{"7:2147483647"});
    EXPECT_EQ(Chaine(lu->g, "7"), std::vector<std::string>{"?:-3"});
    // Four names and two weights; the positions, placed, are not reported.
    EXPECT_EQ(lu->adaptations.size(), 6u);
    for (const Sommet& s : lu->g.Sommets())
        EXPECT_TRUE(s.x > 0 && s.y > 0) << s.nom;
}

TEST_F(FormatsEchange, FichiersMalFormes_refusesAvecLeFichierEtLEndroit)
{
    const std::string profond = std::string(100000, '[') + std::string(100000, ']');
    const std::string bombe =
        R"(<?xml version="1.0"?><!DOCTYPE g [<!ENTITY a "aaaaaaaaaa">)"
        R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">]>)"
        R"(<graphml><graph><node id="&c;"/></graph></graphml>)";
    const struct {
        const char* nom;
        std::string contenu;
        const char* attendu;
    } cas[] = {
        {"coupe.graphml", "<graphml><graph>\n<node id=\"a\">", "XML mal formé, ligne 2"},
        {"autre.graphml", "<html/>", "élément <graphml> ou <graph> absent"},
        {"orientation.graphml",
         "<graphml><graph edgedefault=\"undirected\"><node id=\"a\"/>\n<edge source=\"a\" target=\"a\" "
         "directed=\"true\"/></graph></graphml>",
         "orientée dans un graphe non orienté, ligne 2"},
        {"absent.graphml", "<graphml><graph><node id=\"a\"/>\n\n<edge source=\"a\" target=\"b\"/></graph></graphml>",
         "le nœud « b », absent du graphe, ligne 3"},
        {"poids.graphml",
         "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><graph><node id=\"a\"/><edge source=\"a\" "
         "target=\"a\"><data key=\"w\">lourd</data></edge></graph></graphml>",
         "poids non numérique « lourd »"},
        {"double.graphml", "<graphml><graph><node id=\"a\"/><node id=\"a\"/></graph></graphml>",
         "deux nœuds portent l'identifiant « a »"},
        {"profond.json", profond, "imbrication trop profonde, ligne 1"},
        {"coupe.json", "{\"nodes\": [\n{\"id\": 1},\n", "JSON mal formé, ligne 3"},
        {"sans-noeuds.json", "[1, 2]", "liste « nodes » absente"},
        {"enorme.json", R"({"nodes": [{"id": 1, "x": -1e999}]})", "nombre hors des limites"},
        {"lien.json", R"({"nodes": [{"id": 1}], "links": [{"source": 1, "target": 2}]})",
         "nœud absent du graphe (links n°1)"},
        {"poids.json", R"({"nodes": [{"id": 1}], "links": [{"source": 1, "target": 1, "weight": "x"}]})",
         "poids non numérique « x »"},
        {"numero.json", R"({"nodes": [{"id": 1, "numero": 3000000000}]})", "numéro invalide"},
        {"oriente.json", R"({"directed": "oui", "nodes": []})", "« directed » doit valoir true ou false"},
        {"guillemet.csv", "origine;cible\nA;\"B\n", "guillemet jamais refermé, ligne 2"},
        {"poids.csv", "origine;cible;poids\nA;B;1\nA;B;dix\n", "poids non numérique « dix », ligne 3"},
        {"nan.csv", "origine;cible;poids\nA;B;nan\n", "poids non numérique « nan »"},
        {"position.csv", "origine;cible\n\nsommet;x;y\nA;1;haut\n", "position non numérique"},
        {"deux-fois.csv", "origine;cible\n\nsommet;x;y\nA;1;1\nA;2;2\n", "sommet « A » listé deux fois, ligne 5"},
        {"vide.csv", "", "en-tête « origine;cible;poids » attendu"},
        {"trop.csv",
         "origine;cible\n" +
             [] {
                 std::string lignes;
                 for (int i = 0; i < 200001; ++i)
                     lignes += std::to_string(i) + ";0\n";
                 return lignes;
             }(),
         "plus de 200000 sommets"},
        {"image.tex", "\\begin{tikzpicture}", "le format TikZ pour LaTeX s'écrit seulement"},
    };
    for (const auto& c : cas) {
        const std::string chemin = Ecrire(c.nom, c.contenu);
        const auto lu = Charger(chemin);
        EXPECT_NE(lu->erreur.find("Le fichier « " + chemin + " » n'a pu être lu : "), std::string::npos) << lu->erreur;
        EXPECT_NE(lu->erreur.find(c.attendu), std::string::npos) << c.nom << " : " << lu->erreur;
        EXPECT_EQ(lu->g.NbSommets(), 0) << c.nom;
    }
    // Declared entities are never expanded: the bomb stays its own text.
    const auto bombeLue = Charger(Ecrire("bombe.graphml", bombe));
    EXPECT_EQ(NomsSommets(bombeLue->g), std::vector<std::string>{"&c;"}) << bombeLue->erreur;
    const auto absent = Charger((dossier / "absent.json").string());
    EXPECT_NE(absent->erreur.find("absent.json"), std::string::npos);
    // A sparse file: the size is refused before any byte is read.
    const std::string enorme = Ecrire("enorme.csv", "origine;cible\n");
    fs::resize_file(enorme, 64 * 1024 * 1024 + 1);
    EXPECT_NE(Charger(enorme)->erreur.find("il dépasse 64 Mio"), std::string::npos);
    fs::create_directory(dossier / "dossier.csv");
    EXPECT_NE(Charger((dossier / "dossier.csv").string())->erreur.find("pas un fichier ordinaire"), std::string::npos);
}

TEST_F(FormatsEchange, Tikz_positionsEnCentimetresFlechesEtArcsEcartes)
{
    GrapheEchange e;
    e.sommets = {{"A_1", 96.0, 0.0, {}}, {"B", 0.0, 192.0, {}}};
    e.arcs = {{0, 1, 7.0}, {1, 0, 2.0}, {0, 1, {}}, {1, 1, -1.0}};
    const std::string t = TexteTikz(e);
    EXPECT_NE(t.find("\\node[sommet] (s0) at (2.54,0) {A\\_1};"), std::string::npos) << t;
    EXPECT_NE(t.find("(s1) at (0,-5.08)"), std::string::npos) << t;
    EXPECT_NE(t.find("arc/.style={-{Stealth}}"), std::string::npos);
    EXPECT_NE(t.find("(s0) to[bend left=12] node[poids] {7} (s1)"), std::string::npos) << t;
    EXPECT_NE(t.find("(s1) to[bend left=12] node[poids] {2} (s0)"), std::string::npos) << t;
    EXPECT_NE(t.find("(s0) to[bend left=32] node[poids] {1} (s1)"), std::string::npos) << t;
    EXPECT_NE(t.find("(s1) to[out=60,in=120,looseness=6] node[poids] {-1} (s1)"), std::string::npos) << t;
}

}  // namespace

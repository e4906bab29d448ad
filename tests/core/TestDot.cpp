#include "OutilsEchange.h"
#include "formats/LimitesDot.h"
#include "formats/LireDot.h"
#include "formats/TexteDot.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

GrapheEchange Lire(const std::string& texte)
{
    GrapheEchange g;
    const std::string message = LireDot(texte, g);
    EXPECT_EQ(message, "") << texte;
    return g;
}

TEST(Dot, EcrireRelire_rendLaMemeStructure_surDesGraphesAuHasard)
{
    std::mt19937 alea(18);
    for (int essai = 0; essai < 300; ++essai) {
        const GrapheEchange g = EchangeAleatoire(alea);
        const std::string texte = TexteDot(g);
        EXPECT_EQ(PhotoEchange(Lire(texte)), PhotoEchange(g)) << texte;
    }
}

// Names Graphviz's quoting cannot carry as they are, names that collide
// with the node names the writer makes up for homonyms, and weights that
// print with an exponent, which no DOT numeral has.
TEST(Dot, EcrireRelire_gardeLesNomsEtPoidsDifficiles)
{
    GrapheEchange g;
    g.oriente = false;
    for (const char* nom : {"C:\\", "a\\\"b", "\\N", "x\\\n", "\n", "\"\n\\", "", "", "A", "A", "A~2", "%1", "_%1",
                            "%1", "<b>", "<\\", "x\\\"->\n\\", "\xF0\x9F\x98\x80"})
        g.sommets.push_back({nom, 1.0, 2.0, std::nullopt});
    for (const double poids : {7.0, -2.5, 7.777777777777777e+123, 1e-7, -1e21, -300000.0})
        g.arcs.push_back({0, 1, poids});
    EXPECT_EQ(PhotoEchange(Lire(TexteDot(g))), PhotoEchange(g)) << TexteDot(g);
    EXPECT_NE(TexteDot(g).find("[weight=-300000, label=\"-300000\"]"), std::string::npos) << "written as typed";

    // The one name that comes back changed: a second "\N", suffixed.
    GrapheEchange changes;
    for (const char* nom : {"\\N", "\\N"})
        changes.sommets.push_back({nom, std::nullopt, std::nullopt, std::nullopt});
    const GrapheEchange relu = Lire(TexteDot(changes));
    ASSERT_EQ(relu.sommets.size(), 2u);
    EXPECT_EQ(relu.sommets[1].nom, "\\N~2");
}

// Graphviz's own output after `neato -Tdot`: its bounding box, node sizes,
// edge splines and label positions, a graph attribute list.
TEST(Dot, SortieDeGraphviz_positionsDansLaFenetre)
{
    const GrapheEchange g = Lire(R"(graph G {
	graph [bb="0,0,171.19,122.4"];
	node [label="\N"];
	a	[height=0.5,
		pos="27,104.4",
		width=0.75];
	b	[height=0.5,
		pos="99,18",
		width=0.75];
	a -- b	[pos="38.3,87.6 50.7,67.3 73.2,42.4 88.4,26"];
	c	[height=0.5,
		pos="144.19,104.4",
		width=0.75];
	b -- c	[label=12, lp="128.5,61.2", pos="107.5,35.2 116.6,52.3 128.3,74.8 136.1,89.8"];
}
)");
    EXPECT_EQ(PhotoEchange(g), PhotoEchange(GrapheEchange{false,
                                                          {{"a", 27.0, 122.4 - 104.4, std::nullopt},
                                                           {"b", 99.0, 122.4 - 18, std::nullopt},
                                                           {"c", 144.19, 122.4 - 104.4, std::nullopt}},
                                                          {{0, 1, std::nullopt}, {1, 2, 12.0}}}));
}

// The language as Graphviz's documentation describes it.
TEST(Dot, FichierEcritALaMain_selonLaDocumentationDeGraphviz)
{
    const GrapheEchange g = Lire(R"(/* comment */ digraph "G" {
# a line of a preprocessor
  node [shape=box];                 // defaults for what follows
  edge [color=red]
  subgraph cluster_0 { label="un"; a0 -> a1 [weight=3] }
  subgraph cluster_1 { b0 [label="Bé"]; a1 -> b0 }
  a0 -> {b0 "c" + "d"} [label="4.5"];
  "c" + "d":n -> a0:s:w [weight="-2", label="texte"];
  a1 -> a1; a1 -> a1 [label=x]
  x [pos="10,-20!", numero=7]; y [label="\N", pos="3.5,4"]
  z [label=<<b>gras</b>>]
  x -> y -> z
}
trailing text that Graphviz leaves unread
)");
    const GrapheEchange attendu{true,
                                {{"a0", std::nullopt, std::nullopt, std::nullopt},
                                 {"a1", std::nullopt, std::nullopt, std::nullopt},
                                 {"B\xC3\xA9", std::nullopt, std::nullopt, std::nullopt},
                                 {"cd", std::nullopt, std::nullopt, std::nullopt},
                                 {"x", 10.0, 20.0, 7},
                                 {"y", 3.5, -4.0, std::nullopt},
                                 {"<b>gras</b>", std::nullopt, std::nullopt, std::nullopt}},
                                {{0, 1, 3.0},
                                 {1, 2, std::nullopt},
                                 {0, 2, 4.5},
                                 {0, 3, 4.5},
                                 {3, 0, -2.0},
                                 {1, 1, std::nullopt},
                                 {1, 1, std::nullopt},
                                 {4, 5, std::nullopt},
                                 {5, 6, std::nullopt}}};
    EXPECT_EQ(PhotoEchange(g), PhotoEchange(attendu));

    // A strict graph merges repeated edges; a loop stays.
    const GrapheEchange strict = Lire("strict graph { a -- b; b -- a; a -- b [weight=2]; a -- a }");
    EXPECT_EQ(PhotoEchange(strict), PhotoEchange(GrapheEchange{false,
                                                               {{"a", std::nullopt, std::nullopt, std::nullopt},
                                                                {"b", std::nullopt, std::nullopt, std::nullopt}},
                                                               {{0, 1, 2.0}, {0, 0, std::nullopt}}}));
}

// Every refusal says why, leaves nothing behind, and the next read is not
// disturbed by what Graphviz's scanner or parser was left with.
TEST(Dot, FichiersRefuses_messageClairEtLectureSuivanteIntacte)
{
    const auto repete = [](const std::string& motif, size_t n) {
        std::string texte;
        for (size_t i = 0; i < n; ++i)
            texte += motif;
        return texte;
    };
    const auto noeuds = [](size_t n) {
        std::string texte;
        for (size_t i = 0; i < n; ++i)
            texte += " n" + std::to_string(i);
        return texte;
    };
    std::string chaine = "digraph { n0";
    for (int i = 1; i < 3000; ++i)
        chaine += " -> n" + std::to_string(i);
    chaine += " }";
    std::string attributs = "digraph { a [";
    for (int i = 0; i < 200; ++i)
        attributs += "x" + std::to_string(i) + "=1 ";
    attributs += "] }";
    const struct {
        std::string texte;
        std::string attendu;
    } cas[] = {
        {"digraph {\n  a -> b\n  c - d }", "Erreur de syntaxe DOT à la ligne 3, près de « - »."},
        {"graph { a -> b }", "ligne 1"},
        {"digraph G " + repete("\xC3\xA9", 100) + " { }", "près de « " + repete("\xC3\xA9", 20) + "… »"},
        {"digraph { a -> b [weight=lourd] }", "Poids « lourd » non numérique sur l'arc de « a » vers « b »."},
        {"graph { a -- b [weight=\"1e999\"] }", "sur l'arête entre « a » et « b »"},
        {"digraph { a [pos=\"12\"] }", "Position « 12 » illisible pour le sommet « a »"},
        {"digraph { a [label=A, numero=\"3.5\"] }", "Numéro « 3.5 » illisible pour le sommet « A »"},
        {"digraph { a [numero=4294967296] }", "Numéro « 4294967296 »"},
        {std::string("digraph { a\0 }", 14), "octet nul à la position 11"},
        {"", "Fichier DOT sans graphe"},
        {"/* only a comment */", "Fichier DOT sans graphe"},
        {"digraph {\n \"a }", "la chaîne entre guillemets de la ligne 2 n'est jamais fermée"},
        {"\xFF digraph { a } /* b", "le commentaire « /* » de la ligne 1 n'est jamais fermé"},
        {"digraph { a [label=<<b>] }", "la chaîne HTML « < » de la ligne 1"},
        {"digraph {" + std::string(kTailleMaxDot, ' ') + "}", "trop grand"},
        {"digraph {" + repete("{", 500) + repete("}", 500) + "}", "trop imbriqué"},
        {"digraph {" + repete("subgraph s {", 150) + repete("}", 150) + "}", "trop imbriqué"},
        {chaine, "flèches enchaînées"},
        {"digraph { {" + noeuds(600) + "} -> {" + noeuds(600) + "} }", "plus de 1000000 créations"},
        {"digraph { {" + noeuds(400) + "} -> {" + noeuds(400) + "} [a=1, b=2] }", "plus de 1000000 créations"},
        {"digraph { subgraph s {" + noeuds(600) + "} subgraph s -> subgraph s }", "plus de 1000000 créations"},
        {"digraph {" + repete("{", 90) + noeuds(20000) + repete("}", 90) + "}", "plus de 1000000 créations"},
        {"digraph {" + repete("{}", 20000) + "}", "sous-graphes"},
        {attributs, "noms d'attributs"},
        {"digraph {" + noeuds(200000) + " a [late=1] b [later=1] c [latest=1] d [last=1] e [end=1] }", "déclarés tard"},
    };
    for (const auto& c : cas) {
        GrapheEchange g;
        g.sommets.push_back({"reste", std::nullopt, std::nullopt, std::nullopt});
        const std::string message = LireDot(c.texte, g);
        EXPECT_NE(message.find(c.attendu), std::string::npos) << message << "\n" << c.texte.substr(0, 200);
        EXPECT_TRUE(g.sommets.empty() && g.arcs.empty()) << c.texte.substr(0, 200);
        EXPECT_EQ(PhotoEchange(Lire("digraph { suite }")),
                  PhotoEchange(GrapheEchange{true, {{"suite", std::nullopt, std::nullopt, std::nullopt}}, {}}))
            << "after: " << c.texte.substr(0, 200);
    }
    // A text with two graphs: the second is not handed to the next read.
    EXPECT_EQ(Lire("graph { a } graph { b }").sommets.at(0).nom, "a");
    EXPECT_EQ(Lire("digraph { c }").sommets.at(0).nom, "c");
}

// Large files within the bounds still read: statements without semicolons,
// many short chains, many attributes on few edges.
TEST(Dot, FichiersLongsMaisSains_lus)
{
    std::string lignes = "digraph {\n";
    for (int i = 0; i < 5000; ++i)
        lignes += "n" + std::to_string(i) + " -> n" + std::to_string(i + 1) + " [weight=" + std::to_string(i) + "]\n";
    lignes += "}\n";
    const GrapheEchange g = Lire(lignes);
    EXPECT_EQ(g.sommets.size(), 5001u);
    ASSERT_EQ(g.arcs.size(), 5000u);
    EXPECT_EQ(g.arcs[4999].poids, 4999.0);

    std::string chaines = "graph {";
    for (int i = 0; i < 100; ++i)
        chaines +=
            " subgraph s" + std::to_string(i) + " { " + std::string("a") + std::to_string(i) + " -- {x y} -- z };";
    chaines += "}";
    EXPECT_EQ(Lire(chaines).arcs.size(), 400u);

    // At the bounds themselves Graphviz's parser must not run out of stack:
    // the deepest nesting with the longest chain at its core.
    const size_t niveaux = kImbricationMaxDot - 1;
    std::string profond = "digraph {";
    for (size_t i = 1; i < niveaux; ++i)
        profond += " subgraph s" + std::to_string(i) + " {";
    std::string coeur = "c0";
    for (size_t i = 1; i <= kChaineMaxDot; ++i)
        coeur += " -> c" + std::to_string(i);
    EXPECT_EQ(Lire(profond + coeur + std::string(niveaux, '}')).arcs.size(), kChaineMaxDot);
}

}  // namespace

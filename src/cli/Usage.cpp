#include "Cli.h"

#include <sstream>

namespace {
constexpr std::string_view kEntete =
    "Usage : quorvalent-cli COMMANDE [OPTIONS] ARGUMENTS\n"
    "\n"
    "Affiche et analyse des graphes enregistrés au format \".gff\", avec les\n"
    "réponses mêmes du programme Quorvalent.\n"
    "\n"
    "Un FICHIER.gff nommé - est lu sur l'entrée standard ; -o - écrit le graphe\n"
    "sur la sortie standard.\n"
    "\n"
    "Chaque commande lit aussi, au lieu d'un FICHIER.gff, un graphe GraphML\n"
    "(.graphml), Graphviz (.dot, .gv), JSON node-link (.json) ou une liste\n"
    "d'arcs CSV (.csv, orientée sauf avec --non-oriente) ; ce qu'il a fallu\n"
    "changer pour le garder (noms, poids arrondis) est écrit sur la sortie\n"
    "d'erreur ; un graphe sans positions est disposé par Graphviz.\n"
    "\n"
    "Commandes :\n";
constexpr std::string_view kPied =
    "\n"
    "Options :\n"
    "  -h, --aide, --help   affiche cette aide\n"
    "  -V, --version        affiche la version\n"
    "  -q, --silencieux     n'écrit rien : seul le statut de sortie répond\n"
    "  --json               un objet JSON par fichier et par ligne (schéma :\n"
    "                       docs/quorvalent-cli.schema.json)\n"
    "  --                   termine les options (fichiers dont le nom commence par -)\n"
    "\n"
    "Les noms de sommets et les textes sont lus et écrits en UTF-8.\n"
    "\n"
    "Statut de sortie :\n"
    "  0  succès (et, pour un test, réponse positive pour chaque fichier)\n"
    "  1  au moins une réponse négative, ou aucun résultat\n"
    "  2  erreur d'usage\n"
    "  3  échec : fichier introuvable, illisible, pas au format GFF, incomplet,\n"
    "     ou sortie impossible à écrire\n";
constexpr std::string_view kRetrait = "      ";

void EcrireDescription(std::ostringstream& texte, std::string_view description)
{
    texte << kRetrait;
    for (char c : description) {
        texte << c;
        if (c == '\n')
            texte << kRetrait;
    }
    texte << '\n';
}
}  // namespace

std::string TexteUsage()
{
    std::ostringstream texte;
    texte << kEntete;
    for (const CommandeCli& commande : TableCommandes()) {
        texte << "  " << commande.nom << ' ' << commande.syntaxe << '\n';
        EcrireDescription(texte, commande.description);
    }
    texte << kPied;
    return texte.str();
}

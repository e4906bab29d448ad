#include "Cli.h"
#include "Executeurs.h"

const std::vector<CommandeCli>& TableCommandes()
{
    static const std::vector<CommandeCli> table = {
        {"afficher", "FICHIER.gff...",
         "affiche chaque graphe : orientation, compteurs, chemin enregistré,\n"
         "puis chaque sommet (nom[numéro] (x, y)) suivi de ses arcs (-> cible : poids)",
         kAucuneOption, 1, kSansLimite, ExecuterAfficher},
        {"rapport", "FICHIER.gff...", "le résumé du graphe que donne \"Information\"", kAucuneOption, 1, kSansLimite,
         ExecuterRapport},
        {"circuit", "FICHIER.gff...",
         "le message de \"Circuit\" pour chaque fichier ; statut 0 quand chaque\n"
         "graphe a un circuit",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"connexite", "FICHIER.gff...", "le message de \"Connexité\" ; statut 0 quand chaque graphe est connexe",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"forte-connexite", "FICHIER.gff...",
         "le message de \"Forte connexité\" ; statut 0 quand chaque graphe est\n"
         "fortement connexe",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"arbre", "FICHIER.gff...", "le message de \"Arbre\" ; statut 0 quand chaque graphe est un arbre",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"arborescence", "FICHIER.gff...",
         "le message de \"Arboresence\" ; statut 0 quand chaque graphe est une\n"
         "arborescence",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"eulerien", "FICHIER.gff...", "le message de \"Eulérien\" ; statut 0 quand chaque graphe est eulérien",
         kAucuneOption, 1, kSansLimite, ExecuterDetection},
        {"numerotation", "FICHIER.gff [-o SORTIE.gff]",
         "numérotation topologique : écrit les étiquettes des sommets dans l'ordre\n"
         "de la liste (A[1], B[2], C...) ; -o enregistre le graphe numéroté",
         kOptionSortie, 1, 1, ExecuterNumerotation},
        {"dijkstra", "[--etapes] FICHIER.gff DEPART ARRIVEE [-o CHEMIN.gff]",
         "plus court chemin de DEPART à ARRIVEE : le message du programme,\n"
         "ou la fenêtre du chemin écrite comme par afficher ; -o l'enregistre ;\n"
         "--etapes ajoute le tableau du déroulement (une ligne par sommet réglé)",
         kOptionSortie | kOptionEtapes, 3, 3, ExecuterChemin},
        {"bellman", "[--max] [--etapes] FICHIER.gff DEPART ARRIVEE [-o CHEMIN.gff]",
         "de même par l'algorithme de Bellman ; --max pour le chemin le plus lourd",
         kOptionMax | kOptionSortie | kOptionEtapes, 3, 3, ExecuterChemin},
        {"ford", "[--max] [--etapes] FICHIER.gff DEPART ARRIVEE [-o CHEMIN.gff]",
         "de même par l'algorithme de Ford ; --max pour le chemin le plus lourd",
         kOptionMax | kOptionSortie | kOptionEtapes, 3, 3, ExecuterChemin},
        {"kruskal1", "[--max] [--etapes] FICHIER.gff [-o SORTIE.gff]",
         "arbre couvrant minimum (--max : maximum) de Kruskal n°1 : la fenêtre\n"
         "de l'arbre écrite comme par afficher ; -o l'enregistre ; --etapes\n"
         "ajoute le tableau des arcs considérés, gardés ou non",
         kOptionMax | kOptionSortie | kOptionEtapes, 1, 1, ExecuterKruskal},
        {"kruskal2", "[--max] [--etapes] FICHIER.gff [-o SORTIE.gff]",
         "de même par Kruskal n°2 (le retour), qui laisse l'arbre dans le graphe\n"
         "lui-même ; -o enregistre le graphe ainsi réduit",
         kOptionMax | kOptionSortie | kOptionEtapes, 1, 1, ExecuterKruskal},
        {"exporter", "[--format bmp|png|svg] FICHIER.gff IMAGE.bmp|IMAGE.png|IMAGE.svg|-",
         "dessine le graphe comme sa fenêtre (échelle 1, fond blanc, taille\n"
         "ajustée aux sommets) dans une image BMP, PNG ou SVG ; - (avec --format)\n"
         "l'écrit sur la sortie standard",
         kOptionFormat, 2, 2, ExecuterExporter},
        {"convertir", "[--format gff|graphml|dot|json|csv|tikz] ENTREE SORTIE|-",
         "écrit le graphe d'ENTREE dans le format de SORTIE, choisi par son\n"
         "extension (.gff, .graphml, .dot, .gv, .json, .csv, .tex) ; - (avec --format)\n"
         "l'écrit sur la sortie standard",
         kOptionFormat, 2, 2, ExecuterConvertir},
        {"imprimer", "[--format pdf] FICHIER.gff PAGE.pdf|-",
         "la page imprimée (titre, dessin, rapport), écrite dans un fichier PDF\n"
         "ou, pour -, sur la sortie standard",
         kOptionFormat, 2, 2, ExecuterImprimer},
    };
    return table;
}

#pragma once

#include "Cli.h"

// One entry point per command family, each in its own file; the dispatch
// table (TableCommandes.cpp) binds the command names to them. Each returns
// the exit status.

// afficher FICHIER.gff...
int ExecuterAfficher(const Arguments& arguments);

// numerotation FICHIER.gff [-o SORTIE.gff]
int ExecuterNumerotation(const Arguments& arguments);

// rapport FICHIER.gff...
int ExecuterRapport(const Arguments& arguments);

// circuit|connexite|forte-connexite|arbre|arborescence|eulerien FICHIER.gff...
int ExecuterDetection(const Arguments& arguments);

// exporter FICHIER.gff IMAGE.bmp|IMAGE.png|IMAGE.svg
int ExecuterExporter(const Arguments& arguments);

// convertir [--format F] ENTREE SORTIE
int ExecuterConvertir(const Arguments& arguments);

// imprimer FICHIER.gff PAGE.pdf
int ExecuterImprimer(const Arguments& arguments);

// dijkstra|bellman|ford [--max] FICHIER.gff DEPART ARRIVEE [-o CHEMIN.gff]
int ExecuterChemin(const Arguments& arguments);

// kruskal1|kruskal2 [--max] FICHIER.gff [-o SORTIE.gff]
int ExecuterKruskal(const Arguments& arguments);

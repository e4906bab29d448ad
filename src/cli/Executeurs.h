#pragma once

#include "Cli.h"

// One entry point per command family, each in its own file; the dispatch
// table (TableCommandes.cpp) binds the command names to them. Each returns
// the exit status.

// afficher FICHIER.gff...
int ExecuterAfficher(const Arguments& arguments);

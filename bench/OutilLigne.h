#pragma once

#include "Processus.h"

#include <map>
#include <string>

// The batch tool run on a file, one child process per command: its processor
// time from start to exit (a third of a second or less: the median of three
// runs) and its peak memory, by command name and then by vertex count.
using CoutsOutil = std::map<std::string, std::map<int, CoutProcessus>>;

struct FichierBanc {
    std::string chemin;
    std::string depart;
    std::string arrivee;
    std::string dossier;  // where the commands' own outputs go
    int n = 0;
};

// `filtre` keeps the commands whose name holds it.
void MesurerOutil(const FichierBanc& fichier, const std::string& filtre, CoutsOutil& couts);
void ImprimerOutil(const char* forme, const CoutsOutil& couts);

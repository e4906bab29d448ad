#pragma once

#include <string>
#include <vector>

// What one run of another program cost.
struct CoutProcessus {
    double secondes = 0;    // processor time (user and system), start to exit
    double megaoctets = 0;  // peak resident memory (getrusage's maxrss)
    bool reussi = false;    // it ran and exited, whatever its status
};

// Runs `arguments` (the program's path first) with its outputs thrown away.
// A child process per run, so that the peak memory is the command's own.
CoutProcessus Lancer(const std::vector<std::string>& arguments);

// The relay's side: `quorvalent-bench --relais RESULTAT COMMANDE...` runs
// COMMANDE and writes its cost into RESULTAT. Called first thing in main.
int Relayer(int argc, char* argv[]);

#pragma once

#include "model/TGraphe.h"

#include <functional>
#include <vector>

// The commands timed on each graph, besides loading and saving.
struct Operation {
    const char* nom;
    std::function<void(TGraphe&)> executer;
    bool modifieLeGraphe;                         // the graph is reloaded, untimed, before each run
    std::function<void(TGraphe&)> preparer = {};  // untimed, before each run
};

const std::vector<Operation>& Operations();

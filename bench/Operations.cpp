#include "Operations.h"

const std::vector<Operation>& Operations()
{
    static const std::vector<Operation> operations = {
        {"AjusterFenetre", [](TGraphe& g) { g.AjusterFenetre(); }, false},
        {"InverserPoids", [](TGraphe& g) { g.InverserPoids(); }, false},
    };
    return operations;
}

#pragma once

#include "model/ServicesMuets.h"

#include <string>

// The benchmark's window: prompts for two vertices are answered with the
// names given and questions with Yes; result windows are kept in memory
// until the next run.
class ServicesBanc : public ServicesMuets {
public:
    std::string depart;
    std::string arrivee;

    bool PoserQuestion(std::string_view, std::string_view) override { return true; }
    void SaisirArcASupprimer(char (&d)[kTailleNom], char (&a)[kTailleNom]) override { Repondre(d, a); }
    void SaisirExtremites(std::string_view, char (&d)[kTailleNom], char (&a)[kTailleNom]) override { Repondre(d, a); }

private:
    void Repondre(char (&d)[kTailleNom], char (&a)[kTailleNom]) const
    {
        CopierNom(d, depart.c_str());
        CopierNom(a, arrivee.c_str());
    }
};

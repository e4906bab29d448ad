#pragma once

#include "model/ServicesFenetre.h"
#include "model/TGraphe.h"

#include <memory>
#include <string>
#include <vector>

// A window that shows nothing: prompts for two vertices are answered with
// the names given, result windows are kept in memory until the next run.
class ServicesMuets : public ServicesFenetre {
public:
    std::string depart;
    std::string arrivee;

    void AfficherMessage(std::string_view, std::string_view) override {}
    bool PoserQuestion(std::string_view, std::string_view) override { return true; }
    void SaisirNom(std::string_view, char (&reponse)[kTailleNom]) override { reponse[0] = '\0'; }
    void SaisirArcASupprimer(char (&d)[kTailleNom], char (&a)[kTailleNom]) override { Repondre(d, a); }
    void SaisirExtremites(std::string_view, char (&d)[kTailleNom], char (&a)[kTailleNom]) override
    {
        Repondre(d, a);
    }
    void FixerTailleClient(int l, int) override { largeur = l; }
    int LargeurClient() const override { return largeur; }
    void FixerTitre(std::string_view) override {}
    void Redessiner() override {}
    void TracerElastique(Point, Point) override {}
    ChoixMenuSommet OuvrirMenuSommet(Point) override { return ChoixMenuSommet::Aucun; }
    ChoixMenuGraphe OuvrirMenuGraphe(Point) override { return ChoixMenuGraphe::Aucun; }
    Point PositionDansCadre() const override { return {}; }
    TGraphe& CreerFenetreResultat() override
    {
        resultats.push_back(std::make_unique<TGraphe>(*this));
        return *resultats.back();
    }
    void OublierResultats() { resultats.clear(); }

private:
    int largeur = 359;
    std::vector<std::unique_ptr<TGraphe>> resultats;

    void Repondre(char (&d)[kTailleNom], char (&a)[kTailleNom]) const
    {
        CopierNom(d, depart.c_str());
        CopierNom(a, arrivee.c_str());
    }
};

#pragma once

#include "model/ServicesMuets.h"
#include "model/TGraphe.h"

#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A scripted window: records every request of the core and answers prompts,
// questions and menus from queues filled by the test (empty answers when a
// queue runs dry: a cancelled prompt, No, no menu item).
class FauxServices : public ServicesMuets {
public:
    struct Message {
        std::string texte;
        std::string titre;
    };
    struct FenetreResultat {
        std::unique_ptr<FauxServices> services;
        std::unique_ptr<TGraphe> graphe;
    };

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<bool> reponsesQuestions;
    std::vector<std::string> titresSaisies;
    std::deque<std::string> reponsesNoms;
    std::vector<std::string> departsProposes;
    std::deque<std::pair<std::string, std::string>> reponsesExtremites;
    std::deque<ChoixMenuSommet> choixSommet;
    std::deque<ChoixMenuGraphe> choixGraphe;
    std::vector<Point> menusSommet;
    std::vector<Point> menusGraphe;
    std::vector<std::pair<int, int>> tailles;
    std::vector<std::pair<Point, Point>> elastiques;
    std::string titre;
    int redessins = 0;
    // Each step of a move repainted alone: the vertex, and where it left.
    std::vector<std::pair<std::string, Point>> pasDeplacement;
    Point position;
    std::vector<FenetreResultat> resultats;
    std::vector<std::string> etapes;

    void AfficherMessage(std::string_view texte, std::string_view titreBoite) override
    {
        messages.push_back({std::string(texte), std::string(titreBoite)});
    }
    bool PoserQuestion(std::string_view texte, std::string_view titreBoite) override
    {
        questions.push_back({std::string(texte), std::string(titreBoite)});
        return Prendre(reponsesQuestions, false);
    }
    void SaisirNom(std::string_view titreBoite, char (&reponse)[kTailleNom]) override
    {
        titresSaisies.emplace_back(titreBoite);
        CopierNom(reponse, Prendre(reponsesNoms, std::string()).c_str());
    }
    void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override
    {
        titresSaisies.emplace_back("Supression d'un arc");
        departsProposes.emplace_back(depart);
        Repondre(depart, arrivee);
    }
    void SaisirExtremites(std::string_view titreBoite, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override
    {
        titresSaisies.emplace_back(titreBoite);
        Repondre(depart, arrivee);
    }
    void FixerTailleClient(int largeurClient, int hauteurClient) override
    {
        tailles.emplace_back(largeurClient, hauteurClient);
    }
    int LargeurClient() const override { return tailles.empty() ? kLargeurInitiale : tailles.back().first; }
    void FixerTitre(std::string_view texte) override { titre = texte; }
    void Redessiner() override { ++redessins; }
    void RedessinerDeplacement(const Sommet& sommet, int32_t departX, int32_t departY) override
    {
        pasDeplacement.push_back({sommet.nom, {departX, departY}});
    }
    void TracerElastique(Point depuis, Point vers) override { elastiques.emplace_back(depuis, vers); }
    ChoixMenuSommet OuvrirMenuSommet(Point ecran) override
    {
        menusSommet.push_back(ecran);
        return Prendre(choixSommet, ChoixMenuSommet::Aucun);
    }
    ChoixMenuGraphe OuvrirMenuGraphe(Point ecran) override
    {
        menusGraphe.push_back(ecran);
        return Prendre(choixGraphe, ChoixMenuGraphe::Aucun);
    }
    Point PositionDansCadre() const override { return position; }
    void SignalerModification(std::string_view etape) override { etapes.emplace_back(etape); }
    TGraphe& CreerFenetreResultat() override
    {
        auto services = std::make_unique<FauxServices>();
        auto graphe = std::make_unique<TGraphe>(*services);
        resultats.push_back({std::move(services), std::move(graphe)});
        return *resultats.back().graphe;
    }

private:
    template <typename T>
    static T Prendre(std::deque<T>& file, T parDefaut)
    {
        if (file.empty())
            return parDefaut;
        T valeur = file.front();
        file.pop_front();
        return valeur;
    }
    void Repondre(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
    {
        const auto reponse = Prendre(reponsesExtremites, {});
        CopierNom(depart, reponse.first.c_str());
        CopierNom(arrivee, reponse.second.c_str());
    }
};

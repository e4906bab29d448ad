#pragma once

#include "model/ServicesFenetre.h"
#include "model/TGraphe.h"

#include <iosfwd>
#include <memory>
#include <string_view>
#include <vector>

class ServicesConsole;

// A graph with the console window that shows it.
struct FenetreConsole {
    std::unique_ptr<ServicesConsole> services;
    std::unique_ptr<TGraphe> graphe;
};

// Creates an empty, oriented graph whose message boxes are written to `messages`.
FenetreConsole OuvrirFenetre(std::ostream& messages);

// The window services on a terminal: a message box becomes the lines
// "titre : texte"; the two-name prompt is answered with the names the user
// gave on the command line; other prompts, questions and menus are cancelled;
// a result window is kept in memory for the tool to print or save.
class ServicesConsole : public ServicesFenetre {
public:
    explicit ServicesConsole(std::ostream& messages) : flux(&messages) {}

    void RedirigerMessages(std::ostream& messages) { flux = &messages; }
    int NbMessages() const { return nbMessages; }
    // Windows-1252 names, cut to the size of a name as the prompt's fields are.
    void FixerExtremites(std::string_view depart, std::string_view arrivee);
    int Hauteur() const { return hauteur; }
    const std::vector<FenetreConsole>& Resultats() const { return resultats; }

    void AfficherMessage(std::string_view texte, std::string_view titre) override;
    bool PoserQuestion(std::string_view texte, std::string_view titre) override;
    void SaisirNom(std::string_view titre, char (&reponse)[kTailleNom]) override;
    void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom],
                          char (&arrivee)[kTailleNom]) override;
    void FixerTailleClient(int largeurClient, int hauteurClient) override;
    int LargeurClient() const override { return largeur; }
    void FixerTitre(std::string_view) override {}
    void Redessiner() override {}
    void TracerElastique(Point, Point) override {}
    ChoixMenuSommet OuvrirMenuSommet(Point) override { return ChoixMenuSommet::Aucun; }
    ChoixMenuGraphe OuvrirMenuGraphe(Point) override { return ChoixMenuGraphe::Aucun; }
    Point PositionDansCadre() const override { return {}; }
    TGraphe& CreerFenetreResultat() override;

private:
    std::ostream* flux;
    int nbMessages = 0;
    char nomDepart[kTailleNom] = {};
    char nomArrivee[kTailleNom] = {};
    int largeur = 50;
    int hauteur = 50;
    std::vector<FenetreConsole> resultats;
};

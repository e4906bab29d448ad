#pragma once

#include "model/ServicesMuets.h"
#include "model/TGraphe.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ServicesConsole;

// A graph with the console window that shows it.
struct FenetreConsole {
    std::unique_ptr<ServicesConsole> services;
    std::unique_ptr<TGraphe> graphe;
    // The file the graph was read from, absolute; empty for standard input.
    std::string fichier;
};

// Creates an empty, oriented graph whose message boxes are written to `messages`.
FenetreConsole OuvrirFenetre(std::ostream& messages);

// The window services on a terminal: a message box becomes the lines
// "titre : texte"; the two-name prompt is answered with the names the user
// gave on the command line; other prompts, questions and menus are cancelled;
// a result window is kept in memory for the tool to print or save.
class ServicesConsole : public ServicesMuets {
public:
    // A batch window starts at the least client size a fitted window has.
    explicit ServicesConsole(std::ostream& messages) : ServicesMuets(50, 50), flux(&messages) {}

    void RedirigerMessages(std::ostream& messages) { flux = &messages; }
    std::ostream& Flux() const { return *flux; }
    int NbMessages() const { return nbMessages; }
    // Windows-1252 names, cut to the size of a name as the prompt's fields are.
    void FixerExtremites(std::string_view depart, std::string_view arrivee);
    const std::vector<FenetreConsole>& Resultats() const { return resultats; }
    // Every message box shown, as (titre, texte).
    const std::vector<std::pair<std::string, std::string>>& Messages() const { return montres; }

    void AfficherMessage(std::string_view texte, std::string_view titre) override;
    bool PoserQuestion(std::string_view texte, std::string_view titre) override;
    void SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void SignalerAvancement(uint64_t fait, uint64_t total) override;
    TGraphe& CreerFenetreResultat() override;

private:
    std::ostream* flux;
    int nbMessages = 0;
    char nomDepart[kTailleNom] = {};
    char nomArrivee[kTailleNom] = {};
    std::vector<FenetreConsole> resultats;
    std::vector<std::pair<std::string, std::string>> montres;
};

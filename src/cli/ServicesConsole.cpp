#include "ServicesConsole.h"

#include "LigneProgression.h"

#include <ostream>
#include <string>

FenetreConsole OuvrirFenetre(std::ostream& messages)
{
    FenetreConsole fenetre;
    fenetre.services = std::make_unique<ServicesConsole>(messages);
    fenetre.graphe = std::make_unique<TGraphe>(*fenetre.services);
    return fenetre;
}

void ServicesConsole::FixerExtremites(std::string_view depart, std::string_view arrivee)
{
    CopierNom(nomDepart, std::string(depart).c_str());
    CopierNom(nomArrivee, std::string(arrivee).c_str());
}

void ServicesConsole::AfficherMessage(std::string_view texte, std::string_view titre)
{
    *flux << titre << " : " << texte << '\n';
    ++nbMessages;
    montres.emplace_back(titre, texte);
}

// Nothing can be asked in batch: the question is shown and answered No, the
// answer that never changes or loses anything.
bool ServicesConsole::PoserQuestion(std::string_view texte, std::string_view titre)
{
    AfficherMessage(texte, titre);
    return false;
}

void ServicesConsole::SaisirExtremites(std::string_view, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    CopierNom(depart, nomDepart);
    CopierNom(arrivee, nomArrivee);
}

void ServicesConsole::SignalerAvancement(uint64_t fait, uint64_t total)
{
    LigneProgression::Signaler(fait, total);
}

TGraphe& ServicesConsole::CreerFenetreResultat()
{
    resultats.push_back(OuvrirFenetre(*flux));
    return *resultats.back().graphe;
}

#include "model/ServicesMuets.h"

#include "model/TGraphe.h"

ServicesMuets::ServicesMuets() : ServicesMuets(kLargeurInitiale, kHauteurInitiale) {}

ServicesMuets::ServicesMuets(int largeurClient, int hauteurClient) : largeur(largeurClient), hauteur(hauteurClient) {}

ServicesMuets::~ServicesMuets() = default;

void ServicesMuets::SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    depart[0] = '\0';
    arrivee[0] = '\0';
}

void ServicesMuets::SaisirExtremites(std::string_view, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    depart[0] = '\0';
    arrivee[0] = '\0';
}

void ServicesMuets::FixerTailleClient(int largeurClient, int hauteurClient)
{
    largeur = largeurClient;
    hauteur = hauteurClient;
}

TGraphe& ServicesMuets::CreerFenetreResultat()
{
    resultats.push_back(std::make_unique<TGraphe>(*this));
    return *resultats.back();
}

void ServicesMuets::OublierResultats()
{
    resultats.clear();
}

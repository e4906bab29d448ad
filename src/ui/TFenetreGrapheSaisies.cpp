#include "TFenetreGraphe.h"

#include "Conversions.h"
#include "TSaisieNom.h"
#include "TSuppressionArc.h"

void TFenetreGraphe::SaisirNom(std::string_view titre, char (&reponse)[kTailleNom])
{
    TSaisieNom saisie(this, reponse, TexteDepuisUtf8(titre));
    saisie.exec();
}

void TFenetreGraphe::SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, depart, arrivee);
    saisie.exec();
}

void TFenetreGraphe::SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, TexteDepuisUtf8(titre), depart, arrivee);
    saisie.exec();
}

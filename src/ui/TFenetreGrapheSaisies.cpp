#include "TFenetreGraphe.h"

#include "Conversions.h"
#include "TSaisieNom.h"
#include "TSuppressionArc.h"
#include "TexteCp1252.h"

void TFenetreGraphe::SaisirNom(std::string_view titre, char (&reponse)[kTailleNom])
{
    TSaisieNom saisie(this, reponse, TexteDepuisUtf8(titre));
    saisie.exec();
}

namespace {
QStringList NomsDesSommets(const TGraphe& graphe)
{
    QStringList noms;
    for (const Sommet& sommet : graphe.Sommets())
        noms << LireNom(sommet.nom);
    return noms;
}
}  // namespace

void TFenetreGraphe::SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, depart, arrivee);
    saisie.ProposerNoms(NomsDesSommets(graphe));
    saisie.exec();
}

void TFenetreGraphe::SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, TexteDepuisUtf8(titre), depart, arrivee);
    saisie.ProposerNoms(NomsDesSommets(graphe));
    saisie.exec();
}

#include "TFenetreGraphe.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "TSaisieNom.h"
#include "TSuppressionArc.h"
#include "render/DessinGraphe.h"

#include <QPainter>

void TFenetreGraphe::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.setFont(PoliceEcran());
    peintre.setPen(QPen(Qt::black, 1));
    TCanevasQt canevas(peintre);
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
    // The drawing keeps the pen: the rubber band is the same thin black line.
    if (elastique)
        peintre.drawLine(elastique->first.x, elastique->first.y, elastique->second.x, elastique->second.y);
}

void TFenetreGraphe::SaisirNom(std::string_view titre, char (&reponse)[kTailleNom])
{
    TSaisieNom saisie(this, reponse, QString::fromUtf8(titre.data(), static_cast<qsizetype>(titre.size())));
    saisie.exec();
}

void TFenetreGraphe::SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, depart, arrivee);
    saisie.exec();
}

void TFenetreGraphe::SaisirExtremites(std::string_view titre, char (&depart)[kTailleNom],
                                      char (&arrivee)[kTailleNom])
{
    TSuppressionArc saisie(this, QString::fromUtf8(titre.data(), static_cast<qsizetype>(titre.size())), depart,
                           arrivee);
    saisie.exec();
}

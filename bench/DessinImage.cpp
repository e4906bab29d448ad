#include "DessinImage.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "model/TGraphe.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

void DessinerDansImage(TGraphe& graphe)
{
    int largeur = 0;
    int hauteur = 0;
    for (const Sommet* s = graphe.premierSommet; s != nullptr; s = s->sommetSuivant) {
        largeur = std::max(largeur, s->x);
        hauteur = std::max(hauteur, s->y);
    }
    QImage image(largeur + 50, hauteur + 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setFont(PoliceEcran());
    TCanevasQt canevas(peintre);
    graphe.DessinerGraphe(canevas, 0, 0, 1.0f);
}

#include "ImageDessin.h"

#include "PoliceEcran.h"
#include "TCanevasQt.h"
#include "model/TGraphe.h"
#include "render/DessinGraphe.h"

#include <QPainter>

void ImageDessin::Preparer(const TGraphe& graphe)
{
    QSize taille(0, 0);
    for (const Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant)
        taille = taille.expandedTo(QSize(s->x, s->y));
    taille += QSize(50, 50);
    if (image.size() != taille)
        image = QImage(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
}

void ImageDessin::Dessiner(TGraphe& graphe)
{
    QPainter peintre(&image);
    peintre.setFont(PoliceEcran());
    TCanevasQt canevas(peintre);
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f);
}

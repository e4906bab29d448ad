#include "ImagesGraphe.h"

#include "CanevasSvg.h"
#include "PoliceEcran.h"
#include "TCanevasQt.h"

#include "model/Cp1252.h"
#include "model/TGraphe.h"
#include "render/DessinGraphe.h"

#include <QImageWriter>
#include <QPainter>

#include <cstring>

namespace {
constexpr int kQualitePng = 80;
}  // namespace

Avancement Suivi(const TGraphe& graphe)
{
    return {graphe.Fenetre(), static_cast<uint64_t>(graphe.NbSommets())};
}

void PeindreGraphe(QPaintDevice& surface, const TGraphe& graphe, QSize taille)
{
    QPainter peintre(&surface);
    peintre.fillRect(QRect(QPoint(0, 0), taille), Qt::white);
    peintre.setFont(PoliceEcran());
    TCanevasQt canevas(peintre);
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f, Suivi(graphe));
}

void EcrireSvgGraphe(QIODevice& sortie, const TGraphe& graphe, QSize taille)
{
    CanevasSvg canevas(sortie, taille, CheminAffichable(graphe.NomFichier()), PoliceEcran());
    DessinerGraphe(graphe, canevas, 0, 0, 1.0f, Suivi(graphe));
    canevas.Terminer();
}

bool EncoderImage(const QImage& image, QIODevice& sortie, const char* format)
{
    QImageWriter encodeur(&sortie, format);
    // Qt's PNG writer takes zlib's level from the quality: 80 gives level 1.
    if (std::strcmp(format, "PNG") == 0)
        encodeur.setQuality(kQualitePng);
    return encodeur.write(image);
}

#pragma once

#include <QImage>
#include <QRect>

class QPainter;
class QWidget;
class TGraphe;

// The graph's picture while an arc is being dragged: each pointer move then
// repaints only the rubber band's old and new places, copied from it,
// instead of drawing the whole graph twice. It covers the part of the window
// in view, and must be dropped whenever the graph changes.
class ImageGlissement {
public:
    // Paints `zone` of `fenetre` from the picture, made first when it is
    // missing or does not cover `zone`; false when it cannot serve (a
    // fractional screen scale, a zone out of view), for a direct painting.
    bool Peindre(QPainter& peintre, const QWidget& fenetre, const TGraphe& graphe, const QRect& zone);
    void Oublier();

private:
    QImage image;
    QRect couverte;  // the window's part the picture holds

    void Faire(const TGraphe& graphe, const QRect& partie);
};

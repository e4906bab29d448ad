#pragma once

#include <QImage>

class TGraphe;

// The image a graph is painted on at scale 1, white, of the fitted window's
// size, as a graph window's repaint sees it. Making it is kept apart from
// painting on it, so that each is timed on its own: a fresh image of tens of
// megabytes costs its page faults, which say nothing of the drawing.
class ImageDessin {
public:
    // White and of the graph's size: made anew only when the size changes.
    void Preparer(const TGraphe& graphe);
    void Dessiner(TGraphe& graphe);

private:
    QImage image;
};

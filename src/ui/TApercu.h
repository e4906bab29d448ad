#pragma once

#include <QImage>
#include <QWidget>

class TGraphe;

// The print preview: a plain top-level window shaped like an upright sheet,
// showing the page of a graph laid out once at its client size. The page is
// kept as a picture, so that covering or resizing the window loses nothing.
class TApercu : public QWidget {
    Q_OBJECT
public:
    // Opens a new preview owned by `cadre`, as high as the screen, centred at
    // its top, and draws the page of `graphe` in it.
    static TApercu* Ouvrir(QWidget& cadre, TGraphe& graphe);

    const QImage& Page() const { return page; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    explicit TApercu(QWidget& cadre);

    QImage page;
};

#pragma once

#include "core/FauxServices.h"

#include <QFile>
#include <QImage>
#include <QRect>

// A graph to draw and what to look for in its pictures, shared by the tests
// of the drawing library and of the shell's printing.

inline const QRgb kBlanc = qRgb(255, 255, 255);

// A small oriented graph with a weight, drawn in black, blue and red.
struct Exemple {
    FauxServices fenetre;
    TGraphe graphe{fenetre};
    Exemple()
    {
        graphe.AjouterSommet("A", 40, 40);
        graphe.AjouterSommet("B", 160, 90);
        graphe.AjouterArc("A", "B", 7);
        fenetre.FixerTailleClient(210, 140);
    }
};

inline bool Contient(const QImage& image, QRect zone, bool (*choisir)(QRgb))
{
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (choisir(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

inline bool Noir(QRgb p)
{
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}
inline bool Bleu(QRgb p)
{
    return qBlue(p) > 180 && qRed(p) < 100 && qGreen(p) < 100;
}
inline bool Rouge(QRgb p)
{
    return qRed(p) > 180 && qBlue(p) < 100 && qGreen(p) < 100;
}
inline bool PasBlanc(QRgb p)
{
    return p != kBlanc;
}

// Pages of a PDF as Qt writes it: one "/Type /Page" object each.
inline int NombrePages(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray octets = fichier.readAll();
    return static_cast<int>(octets.count("/Type /Page\n") + octets.count("/Type /Page\r")
                            + octets.count("/Type /Page "));
}

// The drawing operators of each page of a PDF as Qt writes it, in page
// order: its compressed streams that set the page's transform.
inline QList<QByteArray> ContenusPages(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    const QByteArray octets = fichier.readAll();
    QList<QByteArray> pages;
    for (qsizetype debut = octets.indexOf("stream\n"); debut >= 0; debut = octets.indexOf("stream\n", debut)) {
        debut += 7;
        const qsizetype fin = octets.indexOf("endstream", debut);
        if (fin < 0)
            break;
        // qUncompress wants the size first; it grows its buffer from there.
        const QByteArray contenu = qUncompress(QByteArray("\0\0\4\0", 4) + octets.mid(debut, fin - debut));
        if (contenu.contains(" cm\n"))
            pages.append(contenu);
        debut = fin + 9;  // past "endstream", which ends in "stream" too
    }
    return pages;
}

#include "ToucheDialogue.h"

#include <QKeyEvent>

ToucheDialogue LireToucheDialogue(const QEvent& evenement)
{
    if (evenement.type() != QEvent::KeyPress)
        return ToucheDialogue::Autre;
    switch (static_cast<const QKeyEvent&>(evenement).key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ToucheDialogue::Entree;
    case Qt::Key_Escape:
        return ToucheDialogue::Echap;
    default:
        return ToucheDialogue::Autre;
    }
}

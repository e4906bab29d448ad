#include "TEtapeGraphe.h"

#include "TFenetreGraphe.h"

#include <utility>

TEtapeGraphe::TEtapeGraphe(TFenetreGraphe& fenetre_, std::shared_ptr<const Retouche> retouche_, const QString& nom)
    : QUndoCommand(nom), fenetre(fenetre_), retouche(std::move(retouche_))
{
}

void TEtapeGraphe::undo()
{
    fenetre.AppliquerEtape(*retouche, /*defaire=*/true);
}

void TEtapeGraphe::redo()
{
    if (dejaFaite) {
        dejaFaite = false;
        return;
    }
    fenetre.AppliquerEtape(*retouche, /*defaire=*/false);
}

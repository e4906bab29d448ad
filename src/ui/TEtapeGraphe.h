#pragma once

#include "model/Instantane.h"

#include <QUndoCommand>

#include <memory>

class TFenetreGraphe;

// One step of a graph window's history: the change, kept as the bytes it
// replaced and those it put in their place. It is pushed once done, so its
// first redo has nothing to do.
class TEtapeGraphe : public QUndoCommand {
public:
    TEtapeGraphe(TFenetreGraphe& fenetre, std::shared_ptr<const Retouche> retouche, const QString& nom);
    void undo() override;
    void redo() override;
    // Shared, so that a history trimmed to its budget keeps it without a copy.
    const std::shared_ptr<const Retouche>& Changement() const { return retouche; }

private:
    TFenetreGraphe& fenetre;
    std::shared_ptr<const Retouche> retouche;
    bool dejaFaite = true;
};

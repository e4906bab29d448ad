#pragma once

#include <QString>

#include <functional>

class TGraphe;

// The boundary of every command of the desktop: a long one shows its
// progress and may be stopped by the user (TProgression); when memory runs
// out inside `commande`, the command is given up and the user told so,
// naming it. Either way every window stays open. False when the command did
// not run to its end.
bool ExecuterProtege(const QString& nom, const std::function<void()>& commande);

// For a command that changes `graphe`: when the user stops it, or memory
// runs out inside it, the graph is put back exactly as it was before,
// repainted, and the failure passed on. A copy is taken first: only for commands that change a graph,
// and whose window outlives them.
void ExecuterSurCopie(TGraphe& graphe, const std::function<void()>& commande);

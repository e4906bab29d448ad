#include "CommandeProtegee.h"

#include "Boites.h"
#include "TextesCommuns.h"

#include "model/TGraphe.h"

#include <memory>
#include <new>

namespace {
const QString kMemoireInsuffisante = QStringLiteral("Mémoire insuffisante : la commande « %1 » a été abandonnée.");
}  // namespace

void ExecuterProtege(const QString& nom, const std::function<void()>& commande)
{
    try {
        commande();
    } catch (const std::bad_alloc&) {
        AfficherBoite(kMemoireInsuffisante.arg(nom), kNomApplication);
    }
}

void ExecuterSurCopie(TGraphe& graphe, const std::function<void()>& commande)
{
    auto avant = std::make_unique<TGraphe>(graphe.Fenetre());
    graphe.CopierDans(*avant);
    try {
        commande();
        return;
    } catch (const std::bad_alloc&) {
        graphe.EchangerAvec(*avant);
    }
    // What the command built goes first, so that the repaint and the
    // message have memory to work with.
    avant.reset();
    graphe.Fenetre().Redessiner();
    throw std::bad_alloc();
}

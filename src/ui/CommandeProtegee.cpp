#include "CommandeProtegee.h"

#include "Boites.h"
#include "TProgression.h"
#include "TextesCommuns.h"

#include "model/Avancement.h"
#include "model/TGraphe.h"

#include <memory>
#include <new>

namespace {
const QString kMemoireInsuffisante = QStringLiteral("Mémoire insuffisante : la commande « %1 » a été abandonnée.");
}  // namespace

bool ExecuterProtege(const QString& nom, const std::function<void()>& commande)
{
    try {
        const TProgression progression(nom);
        commande();
        return true;
    } catch (const CalculAnnule&) {
        // The user asked for it: nothing to tell.
    } catch (const std::bad_alloc&) {
        AfficherBoite(kMemoireInsuffisante.arg(nom), kNomApplication);
    }
    return false;
}

void ExecuterSurCopie(TGraphe& graphe, const std::function<void()>& commande)
{
    auto avant = std::make_unique<TGraphe>(graphe.Fenetre());
    graphe.CopierDans(*avant);
    const auto remettre = [&] {
        graphe.EchangerAvec(*avant);
        // What the command built goes first, so that the repaint and the
        // message have memory to work with.
        avant.reset();
        graphe.Fenetre().Redessiner();
    };
    try {
        commande();
    } catch (const CalculAnnule&) {
        remettre();
        throw;
    } catch (const std::bad_alloc&) {
        remettre();
        throw;
    }
}

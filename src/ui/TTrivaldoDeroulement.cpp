#include "TTrivaldo.h"

#include "TDeroulement.h"
#include "TFenetreGraphe.h"
#include "TextesCommuns.h"

#include "algorithms/DeroulementCommande.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>

// "Montrer le déroulement": the tables of the steps of the path and tree
// algorithms, for learning and teaching them.

namespace {
const QString kMontrer = QStringLiteral("&Montrer le déroulement");
const QString kReglage = QStringLiteral("deroulement/montrer");

// Beside the recent files, under the same name.
QSettings Reglages()
{
    return QSettings(kNomApplication, kNomApplication);
}
}  // namespace

void TTrivaldo::CreerItemDeroulement(QMenu* traitement)
{
    montrerDeroulement = AjouterItem(traitement, "Montrerledroulement1", kMontrer, {}, {});
    montrerDeroulement->setCheckable(true);
    montrerDeroulement->setChecked(Reglages().value(kReglage, false).toBool());
    connect(montrerDeroulement, &QAction::toggled, this, [](bool montrer) { Reglages().setValue(kReglage, montrer); });
}

void TTrivaldo::ExecuterEtMontrer(TFenetreGraphe& fenetre, Commande commande)
{
    const std::optional<AlgorithmeDeroule> algorithme = DeroulementDe(commande);
    if (!algorithme || !montrerDeroulement->isChecked()) {
        ExecuterCommande(fenetre.Graphe(), commande);
        return;
    }
    Deroulement deroulement(*algorithme);
    ExecuterCommande(fenetre.Graphe(), commande, &deroulement);
    // A run refused before it started (a name missing, a negative weight
    // for Dijkstra) has nothing to show.
    if (deroulement.Vide())
        return;
    // The result window, when the run opened one, is the current one now.
    TDeroulement* table = TDeroulement::Ouvrir(*zone, Tabuler(deroulement), zone->currentSubWindow());
    LaisserCtrlWAFermer(*table->SousFenetre());
    fenetre.LierFenetre(table->SousFenetre());
}

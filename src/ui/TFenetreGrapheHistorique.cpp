#include "TFenetreGraphe.h"

#include "TEtapeGraphe.h"

#include <QMdiSubWindow>
#include <QUndoStack>

#include <vector>

// The window's history: every change the user completes is compared with
// the graph as the history last left it, and what differs becomes a step.

namespace {
// What changed without saying so, found before an undo, a save or a close.
constexpr std::string_view kEtapeSansNom = "la modification du graphe";
constexpr int kEtapesMax = 1000;

// "&" would underline the next letter in the menu.
QString NomAction(std::string_view etape)
{
    return QString::fromUtf8(etape.data(), static_cast<qsizetype>(etape.size()))
        .replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

void TFenetreGraphe::PreparerHistorique()
{
    pile = std::make_unique<QUndoStack>();
    pile->setUndoLimit(kEtapesMax);
    connect(pile.get(), &QUndoStack::cleanChanged, this, [this](bool propre) {
        if (QMdiSubWindow* sous = SousFenetre())
            sous->setWindowModified(!propre);
    });
}

void TFenetreGraphe::FixerEtatInitial()
{
    courant = Instantane::Prendre(graphe);
    etatEnAttente = false;
    pile->clear();
}

void TFenetreGraphe::SignalerModification(std::string_view etape)
{
    // Result windows opened by the command that ends here are now whole:
    // as filled, they are their own starting point.
    for (const QPointer<QMdiSubWindow>& sous : resultats) {
        auto* resultat = sous ? qobject_cast<TFenetreGraphe*>(sous->widget()) : nullptr;
        if (resultat != nullptr && resultat->etatEnAttente)
            resultat->FixerEtatInitial();
    }
    if (etatEnAttente) {
        FixerEtatInitial();
        return;
    }
    Instantane apres = Instantane::Prendre(graphe);
    if (apres == courant)
        return;
    auto retouche = std::make_shared<const Retouche>(courant, apres);
    courant = std::move(apres);
    pile->push(new TEtapeGraphe(*this, std::move(retouche), NomAction(etape)));
    BornerHistorique();
}

void TFenetreGraphe::Synchroniser()
{
    edition.TerminerDeplacement();
    SignalerModification(kEtapeSansNom);
}

void TFenetreGraphe::AppliquerEtape(const Retouche& retouche, bool defaire)
{
    if (defaire)
        retouche.Defaire(courant);
    else
        retouche.Refaire(courant);
    courant.Restaurer(graphe);
    Redessiner();
}

void TFenetreGraphe::Annuler()
{
    Synchroniser();
    pile->undo();
}

void TFenetreGraphe::Retablir()
{
    Synchroniser();
    pile->redo();
}

void TFenetreGraphe::MarquerEnregistre()
{
    pile->setClean();
}

bool TFenetreGraphe::Modifie() const
{
    return !pile->isClean();
}

void TFenetreGraphe::FixerBudgetHistorique(size_t octets)
{
    budgetHistorique = octets;
}

size_t TFenetreGraphe::TailleEtape(int indice) const
{
    return static_cast<const TEtapeGraphe*>(pile->command(indice))->Changement()->Taille();
}

// Right after a push, when no step is undone.
void TFenetreGraphe::BornerHistorique()
{
    const int nombre = pile->count();
    size_t total = 0;
    for (int i = 0; i < nombre; ++i)
        total += TailleEtape(i);
    int oublies = 0;
    while (total > budgetHistorique && oublies < nombre - 1)
        total -= TailleEtape(oublies++);
    if (oublies == 0)
        return;
    // QUndoStack drops old steps only by a count fixed while it is empty:
    // past the budget, the steps kept go back on the emptied stack, already
    // done, with the saved state where it was (or out of reach).
    struct Gardee {
        std::shared_ptr<const Retouche> retouche;
        QString nom;
    };
    std::vector<Gardee> gardees;
    for (int i = oublies; i < nombre; ++i) {
        const auto* etape = static_cast<const TEtapeGraphe*>(pile->command(i));
        gardees.push_back({etape->Changement(), etape->text()});
    }
    const int propre = pile->cleanIndex() - oublies;
    pile->clear();
    for (int k = 0; k < static_cast<int>(gardees.size()); ++k) {
        if (k == propre)
            pile->setClean();
        pile->push(new TEtapeGraphe(*this, gardees[size_t(k)].retouche, gardees[size_t(k)].nom));
    }
    if (propre == static_cast<int>(gardees.size()))
        pile->setClean();
    else if (propre < 0)
        pile->resetClean();
}

#include "TFenetreGraphe.h"

#include "Boites.h"
#include "Conversions.h"
#include "TextesCommuns.h"

#include "model/Avancement.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

// Closing a graph window, whichever way: its own changes first, then the
// result windows that close with it, each asked about in turn.

void TFenetreGraphe::FixerEnregistrement(std::function<bool(TFenetreGraphe&)> enregistrement)
{
    enregistrer = std::move(enregistrement);
}

QString TFenetreGraphe::NomCourt() const
{
    const std::string& nom = graphe.NomFichier();
    return nom.empty() ? kTitreGrapheSansNom : QFileInfo(CheminDepuisOctets(nom)).fileName();
}

void TFenetreGraphe::closeEvent(QCloseEvent* evenement)
{
    if (!fermetureDecidee && !(AccepterFermeture() && FermerResultats())) {
        evenement->ignore();
        return;
    }
    fermetureDecidee = true;
    evenement->accept();
}

bool TFenetreGraphe::AccepterFermeture()
{
    Synchroniser();
    if (!Modifie())
        return true;
    // The window asked about is the one in front.
    if (QMdiSubWindow* sous = SousFenetre(); sous != nullptr && sous->mdiArea() != nullptr)
        sous->mdiArea()->setActiveSubWindow(sous);
    switch (DemanderEnregistrement(NomCourt())) {
    case ChoixFermeture::Enregistrer:
        // A save the user stops keeps the window open, as a failed one does.
        try {
            return enregistrer && enregistrer(*this);
        } catch (const CalculAnnule&) {
            return false;
        }
    case ChoixFermeture::NePasEnregistrer:
        return true;
    case ChoixFermeture::Annuler:
        break;
    }
    return false;
}

bool TFenetreGraphe::FermerResultats()
{
    for (const QPointer<QMdiSubWindow>& resultat : resultats) {
        if (resultat && !resultat->close())
            return false;
    }
    return true;
}

void TFenetreGraphe::FermerSansQuestion()
{
    fermetureDecidee = true;
    if (QMdiSubWindow* sous = SousFenetre())
        sous->close();
}

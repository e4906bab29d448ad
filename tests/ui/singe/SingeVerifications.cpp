#include "Singe.h"

#include "OutilsSinge.h"
#include "core/Invariants.h"

#include "Conversions.h"
#include "TDeroulement.h"
#include "model/ServicesMuets.h"

#include <QApplication>
#include <QImage>

// The checks after each action of a randomized session.

namespace {
bool EstEnregistrement(const QString& composant)
{
    return composant == QLatin1String("Enregistrer1") || composant == QLatin1String("Enregistrersous1")
        || composant == QLatin1String("bt_Sauver") || composant == QLatin1String("bt_SauverSous");
}

// The graph as its file holds it, read back by a window that shows nothing.
std::string PhotoRelue(const std::string& chemin)
{
    ServicesMuets muet;
    TGraphe relu(muet);
    relu.Charger(chemin);
    return PhotoGraphe(relu);
}

}  // namespace

QString Singe::Verifier()
{
    QWidget* reste = QApplication::activeModalWidget();
    if (reste == nullptr)
        reste = QApplication::activePopupWidget();
    if (reste != nullptr)
        return QStringLiteral("une fenêtre modale reste ouverte : %1 « %2 »")
            .arg(QLatin1String(reste->metaObject()->className()), reste->windowTitle());
    for (QMdiSubWindow* sous : Zone(*cadre)->subWindowList()) {
        auto* fenetre = qobject_cast<TFenetreGraphe*>(sous->widget());
        // A step table shows its graph window's last run, no graph of its own.
        if (fenetre == nullptr && qobject_cast<TDeroulement*>(sous->widget()) != nullptr)
            continue;
        if (fenetre == nullptr)
            return QStringLiteral("la sous-fenêtre « %1 » ne montre aucun graphe").arg(sous->windowTitle());
        if (const std::string ecarts = EcartsInvariants(fenetre->Graphe(), true); !ecarts.empty())
            return QStringLiteral("graphe de « %1 » incohérent :\n%2")
                .arg(sous->windowTitle(), QString::fromStdString(ecarts));
    }
    if (QString ecart = VerifierEnregistrements(); !ecart.isEmpty())
        return ecart;
    return VerifierSorties();
}

// A bitmap announced exists and reads as a picture; a print confirmed and
// never refused wrote its PDF.
QString Singe::VerifierSorties()
{
    const Constats& vus = repondant->Vus();
    if (const qsizetype i = vus.titresBoites.indexOf(QStringLiteral("Exportation en BMP")); i >= 0) {
        if (QImage(vus.textesBoites[i]).isNull())
            return QStringLiteral("export annoncé, mais « %1 » n'est pas une image").arg(vus.textesBoites[i]);
    }
    if (vus.pdf.isEmpty() || vus.notices > 0 || vus.refus > 0)
        return {};
    QFile pdf(vus.pdf);
    if (!pdf.open(QIODevice::ReadOnly) || !pdf.read(5).startsWith("%PDF-")
        || QFileInfo(pdf).lastModified() < debutAction.addSecs(-1))
        return QStringLiteral("impression confirmée, mais « %1 » n'a pas reçu de PDF").arg(vus.pdf);
    return {};
}

// After a save, a ".gff" written reads back as the graph of a window that
// bears its name, and a save the user saw through (no message, no refusal)
// wrote the active graph. Other commands are not looked at: a picture or a
// page exported through a link named like a graph lands, by design, in
// whatever file the link names.
QString Singe::VerifierEnregistrements()
{
    if (!EstEnregistrement(actionEnCours))
        return {};
    const QList<TFenetreGraphe*> fenetres = Fenetres(*cadre);
    const QMap<QString, QByteArray> apres = FichiersGff(dossier.path());
    for (auto it = apres.cbegin(); it != apres.cend(); ++it) {
        if (fichiersAvant.contains(it.key()) && fichiersAvant.value(it.key()) == it.value())
            continue;
        // Two windows may bear one name (a file opened twice): the one
        // that wrote it holds what it reads back. A save through a link
        // writes the link's target.
        const QString reel = QFileInfo(it.key()).canonicalFilePath();
        bool porte = false;
        bool relu = false;
        for (TFenetreGraphe* fenetre : fenetres) {
            const std::string& nom = fenetre->Graphe().NomFichier();
            if (QFileInfo(CheminDepuisOctets(nom)).canonicalFilePath() != reel)
                continue;
            porte = true;
            relu = relu || PhotoRelue(nom) == PhotoGraphe(fenetre->Graphe());
        }
        if (!porte)
            return QStringLiteral("%1 écrit, mais aucune fenêtre ne porte ce nom").arg(it.key());
        if (!relu)
            return QStringLiteral("%1 ne relit le graphe d'aucune fenêtre qui porte ce nom :\n%2")
                .arg(it.key(), QString::fromStdString(PhotoRelue(CheminVersOctets(it.key()))));
    }
    const Constats& vus = repondant->Vus();
    TFenetreGraphe* active = cadre->FenetreActive();
    if (active == nullptr || vus.notices > 0 || vus.refus > 0
        || vus.enregistrementsAcceptes < vus.dialoguesEnregistrement)
        return {};
    const std::string& nom = active->Graphe().NomFichier();
    if (nom.empty() || PhotoRelue(nom) != PhotoGraphe(active->Graphe()))
        return QStringLiteral("enregistrement sans message, mais « %1 » ne relit pas le graphe")
            .arg(QString::fromStdString(nom));
    return {};
}

#include "TTrivaldo.h"

#include "Boites.h"
#include "CommandeProtegee.h"
#include "Conversions.h"
#include "ImpressionGraphe.h"
#include "SortiesGraphe.h"
#include "TApercu.h"
#include "TFenetreGraphe.h"
#include "TextesCommuns.h"

#include "algorithms/EtapesCommandes.h"
#include "model/Cp1252.h"
#include "render/Page.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

// Print, preview and bitmap export of the active graph window.

namespace {
const QString kEtatImpression = QStringLiteral("Impression d'un graphe.");
const QString kEtatExport = QStringLiteral("Exportation vers un fichier bitmap.");
const QString kTitreExport = QStringLiteral("Exportation en BMP");
const std::string_view kExtensionBmp = ".bmp";
const std::string_view kExtensionPdf = ".pdf";
const QString kPdfSansNom = QStringLiteral("Graphe.pdf");

// Without any printer Qt offers only a PDF file, named after the directory
// it starts in: propose one for each graph, beside its file or in the home
// folder, so that printing one graph never overwrites another's page.
QString FichierPdfPropose(const TGraphe& graphe)
{
    if (graphe.NomFichier().empty())
        return QDir::home().filePath(kPdfSansNom);
    return QDir::current().absoluteFilePath(CheminDepuisOctets(NomExport(graphe, kExtensionPdf)));
}
}  // namespace

void TTrivaldo::bt_ImprimerClick()
{
    FixerTexteEtat(kEtatImpression);
    if (TFenetreGraphe* fenetre = FenetreActive()) {
        imprimante->setCopyCount(1);
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            imprimante->setOutputFileName(FichierPdfPropose(fenetre->Graphe()));
        // A fresh dialog: Qt's reads the printer's file name only when made.
        QPrintDialog PrintDialog1(imprimante.get(), this);
        if (PrintDialog1.exec() == QDialog::Accepted) {
            // A print stopped on the way gives the numbers back.
            QString erreur;
            ExecuterSurCopie(fenetre->Graphe(), [&] { erreur = ImprimerGraphe(fenetre->Graphe(), *imprimante); });
            // The page's report has cleared the vertex numbers.
            fenetre->SignalerModification(kEtapeRapport);
            if (!erreur.isEmpty()) {
                AfficherBoite(erreur, kNomApplication);
                return;
            }
        }
    }
    FixerTexteEtat(kPret);
}

void TTrivaldo::bt_ApercuClick()
{
    if (TFenetreGraphe* fenetre = FenetreActive()) {
        TApercu::Ouvrir(*this, fenetre->Graphe());
        fenetre->SignalerModification(kEtapeRapport);
    }
}

void TTrivaldo::bt_DessinClick()
{
    FixerTexteEtat(kEtatExport);
    if (TFenetreGraphe* fenetre = FenetreActive()) {
        const std::string nom = NomExport(fenetre->Graphe(), kExtensionBmp);
        const QString erreur = ExporterImageBmp(fenetre->Graphe(), fenetre->SousFenetre()->size(), fenetre->size(),
                                                CheminDepuisOctets(nom));
        if (!erreur.isEmpty()) {
            AfficherBoite(erreur, kNomApplication);
            return;
        }
        AfficherBoite(QString::fromStdString(CheminAffichable(nom)), kTitreExport);
    }
    FixerTexteEtat(kPret);
}

void TTrivaldo::ExporterenBMP1Click()
{
    bt_DessinClick();
}

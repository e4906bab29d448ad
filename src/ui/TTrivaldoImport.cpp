#include "TTrivaldo.h"
#include "TTrivaldoImport.h"

#include "Boites.h"
#include "Conversions.h"
#include "TFenetreGraphe.h"

#include "formats/FichiersEchange.h"
#include "model/Cp1252.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QUndoStack>

namespace {
const QString kTousLesGraphes = QStringLiteral("Tous les graphes (%1)");
const QString kTitreOuverture = QStringLiteral("Ouverture impossible");
const QString kTitreAdaptations = QStringLiteral("Graphe adapté");
const QString kAdaptations = QStringLiteral("Pour être gardé dans un graphe Quorvalent, le fichier a été adapté :\n\n");
const QString kQuestionOriente = QStringLiteral("Le fichier CSV ne le dit pas : le graphe est-il orienté?");

QString Motifs(const FormatEchange& format)
{
    QStringList motifs;
    for (const std::string_view extension : format.extensions)
        motifs << QStringLiteral("*") + QString::fromUtf8(extension.data(), qsizetype(extension.size()));
    return motifs.join(QLatin1Char(' '));
}
}  // namespace

QStringList FiltresOuvrir(const QString& filtreGff)
{
    QStringList tous = {QStringLiteral("*.gff")};
    QStringList parFormat;
    for (const FormatEchange& format : FormatsEchange()) {
        if (!format.lisible)
            continue;
        tous << Motifs(format);
        parFormat << QString::fromUtf8(format.libelle.data(), qsizetype(format.libelle.size())) + " (" + Motifs(format)
                         + ")";
    }
    return QStringList{kTousLesGraphes.arg(tous.join(QLatin1Char(' ')))} + parFormat + QStringList{filtreGff};
}

bool TTrivaldo::ImporterFichier(const QString& chemin)
{
    const std::string octets = CheminVersOctets(chemin);
    const FormatEchange* format = FormatSelonChemin(octets);
    if (format == nullptr)
        return false;
    OptionsLecture options;
    if (format->nom == "csv")
        options.csvOriente = PoserQuestionBoite(kQuestionOriente, QStringLiteral("Question"));
    TFenetreGraphe* fenetre = CreerFenetreGraphe();
    std::vector<std::string> adaptations;
    const std::string erreur = ChargerFichierEchange(octets, *format, options, fenetre->Graphe(), adaptations);
    zone->setActiveSubWindow(fenetre->SousFenetre());
    if (!erreur.empty()) {
        AfficherBoite(TexteDepuisUtf8(erreur), kTitreOuverture);
        return true;
    }
    // No ".gff" path: "Enregistrer" asks for one, never overwriting the file read.
    fenetre->Graphe().AjusterFenetre();
    fenetre->FixerTitre(EchapperControles(QFileInfo(chemin).fileName().toStdString()));
    // Nothing on disk holds it as a graph yet: closing it asks first.
    fenetre->FixerEtatInitial();
    fenetre->Historique().resetClean();
    RetenirFichier(chemin);
    if (!adaptations.empty()) {
        QString texte = kAdaptations;
        for (const std::string& ligne : adaptations)
            texte += TexteDepuisUtf8(ligne) + QLatin1Char('\n');
        AfficherBoite(texte, kTitreAdaptations);
    }
    return true;
}

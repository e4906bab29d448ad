#include "TTrivaldo.h"

#include "Boites.h"
#include "CommandeProtegee.h"
#include "Conversions.h"
#include "DialoguesFichiersFrancais.h"
#include "TFenetreGraphe.h"
#include "TGuide.h"
#include "TTrivaldoImport.h"
#include "TextesCommuns.h"

#include "model/Cp1252.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {
const QString kEtatNouveau = QStringLiteral("Création d'un nouveau graphe.");
const QString kEtatOuverture = QStringLiteral("Ouverture d'un fichier.");
const QString kEtatEnregistrement = QStringLiteral("Enregistrement du graphe.");
const QString kTitreQuestion = QStringLiteral("Question");
const QString kQuestionOriente = QStringLiteral("Voulez-vous créer un graphe orienté?");
const QString kQuestionQuitter = QStringLiteral("Etes-vous sûr de vouloir quitter cette application ?");
const QString kFiltreOuvrir = QStringLiteral("Fichier Graphe (*.gff)");
const QString kFiltreEnregistrer = QStringLiteral("Fichier graphes (*.gff)");
const QString kTitreOuvrir = QStringLiteral("Ouvrir");
const QString kTitreEnregistrer = QStringLiteral("Enregistrer sous");
const QString kExtension = QStringLiteral(".gff");
const QString kRemplacer = QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?");

const QString kTitreAide = QStringLiteral("Aide pour l'utilisation de Quorvalent");
const QString kAide = QStringLiteral(
    "Cette Quorvalent a été crée pour une utilisation ergonomique :\n"
    "\n"
    "   - pour créer un sommet il suffit de cliquer avec le bouton gauche dans un graphe où il n'y a pas de sommet.\n"
    "   - pour supprimer, déplacer, avoir des informations sur un graphe : cliquer avec le bouton droit sur un sommet.\n"
    "   - pour supprimer un arc : cliquer avec le bouton droit sur le sommet d'où l'arc part.\n"
    "   - pour utiliser un algorithme de traitement d'arc : utiliser le menu  principal.\n"
    "   - pour avoir des informations sur le graphe ou redimensionner la fenêtre : cliquer droit où il n'y pas de sommet.\n");
const QString kTitreCredits = QStringLiteral("Crédits");
const QString kCredits =
    QStringLiteral("Quorvalent, version " QUORVALENT_VERSION
                   "\n\n"
                   "Une boîte à outils pour dessiner des graphes et leur appliquer les algorithmes classiques : "
                   "numérotation, plus courts chemins, arbres couvrants, tests de structure.");
const QString kTitreHtml = QStringLiteral("Juste 2 secondes");
const QString kNoticeHtml = QStringLiteral("Cette fonction n'est pas fini d'être implémentée.");
const QString kTitre3D = QStringLiteral("Un peu de patience");
const QString kNotice3D = QStringLiteral("Cette fonction n'est pas encore implémentée.");

// The chosen path, or an empty text when the user cancelled. The dialog
// starts in the folder last used by either dialog.
QString Choisir(QFileDialog& dialogue, FichiersRecents& recents)
{
    if (const QString dossier = recents.DernierDossier(); !dossier.isEmpty())
        dialogue.setDirectory(dossier);
    const bool accepte = dialogue.exec() == QDialog::Accepted;
    // Accepted while its completion list is open, the dialog leaves the list
    // on screen: it belongs to the dialog, which is kept for the next time.
    for (QCompleter* completion : dialogue.findChildren<QCompleter*>())
        completion->popup()->hide();
    if (!accepte || dialogue.selectedFiles().isEmpty())
        return {};
    const QString chemin = dialogue.selectedFiles().constFirst();
    recents.FixerDernierDossier(QFileInfo(chemin).absolutePath());
    return chemin;
}
}  // namespace

void TTrivaldo::CreerDialoguesFichier()
{
    OpenDialog1 = new QFileDialog(this, kTitreOuvrir);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setNameFilters(FiltresOuvrir(kFiltreOuvrir));
    FranciserDialogueFichiers(*OpenDialog1);

    SaveDialog1 = new QFileDialog(this, kTitreEnregistrer);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilter(kFiltreEnregistrer);
    FranciserDialogueFichiers(*SaveDialog1);
}

void TTrivaldo::Nouveau1Click()
{
    TFenetreGraphe* fenetre = CreerFenetreGraphe();
    FixerTexteEtat(kEtatNouveau);
    fenetre->Graphe().FixerOriente(PoserQuestionBoite(kQuestionOriente, kTitreQuestion));
    fenetre->FixerEtatInitial();
    FixerTexteEtat(kPret);
}

void TTrivaldo::ChoisirFichier(const QString& etat, QFileDialog& dialogue, void (TTrivaldo::*suite)(const QString&))
{
    FixerTexteEtat(etat);
    if (const QString chemin = Choisir(dialogue, recents); !chemin.isEmpty())
        (this->*suite)(chemin);
    FixerTexteEtat(kPret);
}

void TTrivaldo::Ouvrir1Click()
{
    ChoisirFichier(kEtatOuverture, *OpenDialog1, &TTrivaldo::OpenDialog1CanClose);
}

void TTrivaldo::OpenDialog1CanClose(const QString& chemin)
{
    if (ImporterFichier(chemin))
        return;
    // Shown before loading, so that its size is known when the loader fits
    // it to the vertices; a failed load leaves it empty, captioned "Graphe".
    TFenetreGraphe* fenetre = CreerFenetreGraphe();
    const bool charge = ExecuterProtege(kTitreOuvrir, [&] {
        ExecuterSurCopie(fenetre->Graphe(), [&] { fenetre->Graphe().Charger(CheminVersOctets(chemin)); });
    });
    fenetre->FixerEtatInitial();
    // Stopped by the user or out of memory, the window would hold nothing.
    if (!charge) {
        fenetre->SousFenetre()->close();
        return;
    }
    zone->setActiveSubWindow(fenetre->SousFenetre());
    // A graph read takes the path it was read from; a failed read leaves none.
    if (!fenetre->Graphe().NomFichier().empty())
        RetenirFichier(chemin);
}

void TTrivaldo::OuvrirFichiers(const QStringList& chemins)
{
    FixerTexteEtat(kEtatOuverture);
    for (const QString& chemin : chemins)
        OpenDialog1CanClose(QFileInfo(chemin).absoluteFilePath());
    FixerTexteEtat(kPret);
}

void TTrivaldo::Enregistrer1Click()
{
    FixerTexteEtat(kEtatEnregistrement);
    if (TFenetreGraphe* fenetre = FenetreActive())
        Enregistrer(*fenetre);
    FixerTexteEtat(kPret);
}

bool TTrivaldo::Enregistrer(TFenetreGraphe& fenetre)
{
    const std::string nom = fenetre.Graphe().NomFichier();
    if (nom.empty() || !QFileInfo(CheminDepuisOctets(nom)).isFile()) {
        const QString chemin = Choisir(*SaveDialog1, recents);
        return !chemin.isEmpty() && EnregistrerSous(fenetre, chemin);
    }
    fenetre.Synchroniser();
    if (!fenetre.Graphe().Sauvegarder(nom))
        return false;
    fenetre.MarquerEnregistre();
    RetenirFichier(CheminDepuisOctets(nom));
    return true;
}

void TTrivaldo::Enregistrersous1Click()
{
    ChoisirFichier(kEtatEnregistrement, *SaveDialog1, &TTrivaldo::SaveDialog1CanClose);
}

void TTrivaldo::SaveDialog1CanClose(const QString& chemin)
{
    if (TFenetreGraphe* fenetre = FenetreActive())
        EnregistrerSous(*fenetre, chemin);
}

bool TTrivaldo::EnregistrerSous(TFenetreGraphe& fenetre, const QString& chemin)
{
    // Any ".gff" in the path will do, not only at its end.
    const QString nom = chemin.contains(kExtension) ? chemin : chemin + kExtension;
    // The dialog asked about the name typed, not about the one completed here.
    if (nom != chemin && QFileInfo::exists(nom)
        && !PoserQuestionBoite(
            kRemplacer.arg(QString::fromStdString(EchapperControles(QDir::toNativeSeparators(nom).toStdString()))),
            kTitreEnregistrer))
        return false;
    fenetre.Synchroniser();
    TGraphe& graphe = fenetre.Graphe();
    // The file records its own path, so the name is set before writing; a
    // failed or stopped write leaves the window with the file it had.
    const std::string ancien = graphe.NomFichier();
    graphe.FixerNomFichier(CheminVersOctets(nom));
    bool ecrit = false;
    try {
        ecrit = graphe.Sauvegarder(graphe.NomFichier());
    } catch (...) {
        graphe.FixerNomFichier(ancien);
        throw;
    }
    if (!ecrit) {
        graphe.FixerNomFichier(ancien);
        return false;
    }
    fenetre.FixerTitre(CheminAffichable(graphe.NomFichier()));
    fenetre.MarquerEnregistre();
    RetenirFichier(nom);
    return true;
}

void TTrivaldo::Fermer1Click()
{
    if (QMdiSubWindow* sous = zone->currentSubWindow())
        sous->close();
}

void TTrivaldo::Toutfermer1Click()
{
    FermerToutesLesFenetres();
}

bool TTrivaldo::FermerToutesLesFenetres()
{
    // Closed windows go at the end of the event; a result window closed with
    // its source is gone from the guarded list by then, or closes quietly.
    QList<QPointer<QMdiSubWindow>> fenetres;
    for (QMdiSubWindow* sous : zone->subWindowList())
        fenetres << sous;
    for (const QPointer<QMdiSubWindow>& sous : fenetres) {
        if (sous && !sous->close())
            return false;
    }
    return true;
}

void TTrivaldo::Quitter1Click()
{
    if (PoserQuestionBoite(kQuestionQuitter, kTitreQuestion) && FermerToutesLesFenetres())
        QCoreApplication::quit();
}

void TTrivaldo::Aide1Click()
{
    AfficherBoite(kAide, kTitreAide);
}

void TTrivaldo::Crdits1Click()
{
    AfficherBoite(kCredits, kTitreCredits);
}

void TTrivaldo::bt_rapportClick()
{
    AfficherBoite(kNoticeHtml, kTitreHtml);
}

void TTrivaldo::bt_3DClick()
{
    AfficherBoite(kNotice3D, kTitre3D);
}

void TTrivaldo::Guide1Click()
{
    if (guide == nullptr)
        guide = new TGuide(this);
    guide->show();
    guide->raise();
    guide->activateWindow();
}

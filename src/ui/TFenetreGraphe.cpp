#include "TFenetreGraphe.h"

#include "Boites.h"
#include "CommandeProtegee.h"
#include "Conversions.h"
#include "TProgression.h"
#include "TextesCommuns.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace {
// The commands of a graph window, as the memory message names them.
const QString kEdition = QStringLiteral("Édition du graphe");
const QString kMenuGraphe = QStringLiteral("Menu du graphe");
// Qt's placeholder for the modified mark; a literal one is written twice.
const QString kMarque = QStringLiteral("[*]");
constexpr QSize kTailleInitiale(359, 242);

// Right of the source, tops aligned, when the whole window fits in the area;
// otherwise one step down and right of the source's corner, then pushed left
// and up until it fits, and never past the area's top-left corner, so that a
// window larger than the area still shows its title bar.
QPoint PositionResultat(const QRect& zone, const QRect& source, QSize taille, int pas)
{
    const QRect aCote(QPoint(source.right() + 1, source.top()), taille);
    if (zone.contains(aCote))
        return aCote.topLeft();
    const QPoint cascade = source.topLeft() + QPoint(pas, pas);
    return {std::max(zone.left(), std::min(cascade.x(), zone.right() + 1 - taille.width())),
            std::max(zone.top(), std::min(cascade.y(), zone.bottom() + 1 - taille.height()))};
}

QString AvecMarque(QString titre)
{
    return titre.replace(kMarque, kMarque + kMarque) + kMarque;
}
}  // namespace

TFenetreGraphe* TFenetreGraphe::Creer(QMdiArea& zone, const int& gauche, const int& haut)
{
    auto* fenetre = new TFenetreGraphe(gauche, haut);
    QMdiSubWindow* sous = zone.addSubWindow(fenetre);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    sous->setWindowTitle(AvecMarque(kTitreGrapheSansNom));
    sous->resize(kTailleInitiale);
    sous->show();
    zone.setActiveSubWindow(sous);
    return fenetre;
}

TFenetreGraphe::TFenetreGraphe(const int& gauche, const int& haut) : graphe(*this), edition(graphe, gauche, haut)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    // A moved vertex follows the pointer with no button held.
    setMouseTracking(true);
    CreerMenus();
    PreparerHistorique();
    FixerEtatInitial();
}

TFenetreGraphe::~TFenetreGraphe()
{
    pile->disconnect(this);
    for (const QPointer<QMdiSubWindow>& resultat : resultats) {
        if (auto* fenetre = resultat ? qobject_cast<TFenetreGraphe*>(resultat->widget()) : nullptr)
            fenetre->FermerSansQuestion();
    }
}

void TFenetreGraphe::CreerMenus()
{
    PopupSommet = new QMenu(this);
    PopupSommet->setObjectName(QStringLiteral("PopupSommet"));
    const std::pair<const char*, QString> itemsSommet[] = {
        {"Supprimer1", QStringLiteral("Supprimer ce sommet")},
        {"Deplacer1", QStringLiteral("Déplacer ce sommet")},
        {"Supprimerunarc1", QStringLiteral("Supprimer un arc")},
        {"Demidegrextrieur1", QStringLiteral("Demi-degré extérieur")},
        {"Demidegrintrieur1", QStringLiteral("Demi-degré intérieur")},
        {"Information1", QStringLiteral("Information")},
    };
    for (const auto& [nom, texte] : itemsSommet)
        PopupSommet->addAction(texte)->setObjectName(QLatin1String(nom));

    PopupGraphe = new QMenu(this);
    PopupGraphe->setObjectName(QStringLiteral("PopupGraphe"));
    PopupGraphe->addAction(QStringLiteral("Information"))->setObjectName(QStringLiteral("Info1"));
    PopupGraphe->addAction(QStringLiteral("Redimensionner la fenêtre"))
        ->setObjectName(QStringLiteral("Redimensionnerlafentre1"));
}

QMdiSubWindow* TFenetreGraphe::SousFenetre() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

QString TFenetreGraphe::TitreAffiche() const
{
    QString titre = SousFenetre()->windowTitle();
    titre.chop(kMarque.size());
    titre.replace(kMarque + kMarque, kMarque);
    return SousFenetre()->isWindowModified() ? titre + QLatin1Char('*') : titre;
}

void TFenetreGraphe::AfficherMessage(std::string_view texte, std::string_view titre)
{
    AfficherBoite(TexteDepuisUtf8(texte), TexteDepuisUtf8(titre));
}

bool TFenetreGraphe::PoserQuestion(std::string_view texte, std::string_view titre)
{
    return PoserQuestionBoite(TexteDepuisUtf8(texte), TexteDepuisUtf8(titre));
}

void TFenetreGraphe::FixerTailleClient(int largeur, int hauteur)
{
    QMdiSubWindow* sous = SousFenetre();
    // The frame around the client area stays as it is; coordinates from a
    // file may ask for more than any widget can be.
    const QSize bords = sous->size() - size();
    const QSize client(std::clamp(largeur, 0, QWIDGETSIZE_MAX - bords.width()),
                       std::clamp(hauteur, 0, QWIDGETSIZE_MAX - bords.height()));
    sous->resize(client + bords);
    if (sourceAPlacer)
        PlacerPresDeLaSource();
}

int TFenetreGraphe::LargeurClient() const
{
    return width();
}

void TFenetreGraphe::FixerTitre(std::string_view titre)
{
    SousFenetre()->setWindowTitle(AvecMarque(TexteDepuisUtf8(titre)));
}

ChoixMenuSommet TFenetreGraphe::OuvrirMenuSommet(Point ecran)
{
    const int indice = static_cast<int>(PopupSommet->actions().indexOf(PopupSommet->exec({ecran.x, ecran.y})));
    return static_cast<ChoixMenuSommet>(indice);
}

ChoixMenuGraphe TFenetreGraphe::OuvrirMenuGraphe(Point ecran)
{
    const int indice = static_cast<int>(PopupGraphe->actions().indexOf(PopupGraphe->exec({ecran.x, ecran.y})));
    return static_cast<ChoixMenuGraphe>(indice);
}

Point TFenetreGraphe::PositionDansCadre() const
{
    const QPoint position = SousFenetre()->pos();
    return {position.x(), position.y()};
}

void TFenetreGraphe::SignalerAvancement(uint64_t fait, uint64_t total)
{
    TProgression::Signaler(fait, total);
}

TGraphe& TFenetreGraphe::CreerFenetreResultat()
{
    TFenetreGraphe* resultat = Creer(*SousFenetre()->mdiArea(), edition.RefGauche(), edition.RefHaut());
    resultats.emplace_back(resultat->SousFenetre());
    resultat->etatEnAttente = true;
    resultat->enregistrer = enregistrer;
    resultat->sourceAPlacer = SousFenetre();
    resultat->PlacerPresDeLaSource();
    // The command fills and fits its window before it returns to the event
    // loop; a later fitting (the menu, a print) leaves the window where the
    // user may have put it.
    QTimer::singleShot(0, resultat, [resultat] { resultat->sourceAPlacer = nullptr; });
    return resultat->graphe;
}

void TFenetreGraphe::LierFenetre(QMdiSubWindow* fenetre)
{
    resultats.emplace_back(fenetre);
}

void TFenetreGraphe::PlacerPresDeLaSource()
{
    QMdiSubWindow* sous = SousFenetre();
    const int pas = sous->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sous);
    sous->move(PositionResultat(sous->mdiArea()->viewport()->rect(), sourceAPlacer->geometry(), sous->size(), pas));
}

// The store's own edits either complete or change nothing, even out of
// memory; the context menus run reports and algorithms that write marks
// and numbers, and are rare enough to be given a copy.
void TFenetreGraphe::mousePressEvent(QMouseEvent* evenement)
{
    const QPoint p = evenement->position().toPoint();
    const bool gauche = evenement->buttons().testFlag(Qt::LeftButton);
    const bool droit = evenement->buttons().testFlag(Qt::RightButton);
    const auto appui = [&] { edition.OnMouseDown(gauche, droit, p.x(), p.y()); };
    if (droit)
        ExecuterProtege(kMenuGraphe, [&] { ExecuterSurCopie(graphe, appui); });
    else
        ExecuterProtege(kEdition, appui);
}

void TFenetreGraphe::mouseMoveEvent(QMouseEvent* evenement)
{
    const QPoint p = evenement->position().toPoint();
    mouvementElastique = edition.SommetOrigineArc() != nullptr;
    ExecuterProtege(kEdition, [&] { edition.OnMouseMove(p.x(), p.y()); });
    mouvementElastique = false;
}

void TFenetreGraphe::mouseReleaseEvent(QMouseEvent* evenement)
{
    const QPoint p = evenement->position().toPoint();
    ExecuterProtege(kEdition, [&] { edition.OnMouseUp(p.x(), p.y()); });
}

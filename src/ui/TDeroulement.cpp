#include "TDeroulement.h"

#include "Boites.h"
#include "Conversions.h"

#include "model/EcritureAtomique.h"
#include "render/TexteTableau.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kTitre = QStringLiteral("Déroulement : %1");
const QString kCopier = QStringLiteral("Copier le tableau");
const QString kExporter = QStringLiteral("Exporter...");
const QString kTitreExport = QStringLiteral("Exporter le tableau");
const QString kFiltreCsv = QStringLiteral("Tableur CSV (*.csv)");
const QString kFiltreLatex = QStringLiteral("Tableau LaTeX (*.tex)");
const QString kExtensionLatex = QStringLiteral(".tex");
const QColor kFondChoisi(255, 236, 160);

QString Texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
}  // namespace

TDeroulement* TDeroulement::Ouvrir(QMdiArea& zone, TableauDeroulement tableau, QMdiSubWindow* voisine)
{
    auto* fenetre = new TDeroulement(std::move(tableau));
    QMdiSubWindow* sous = zone.addSubWindow(fenetre);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    sous->setWindowTitle(kTitre.arg(Texte(fenetre->tableau.titre)));
    const QRect visible = zone.viewport()->rect();
    const QSize decor = sous->sizeHint() - fenetre->sizeHint();
    sous->resize((fenetre->TailleVoulue() + decor).boundedTo(visible.size()));
    if (voisine != nullptr) {
        // Beside the window it explains, else as far right as it fits.
        const int x = std::min(voisine->geometry().right() + 1, std::max(0, visible.right() + 1 - sous->width()));
        sous->move(x, voisine->y());
    }
    sous->show();
    if (voisine != nullptr) {
        zone.setActiveSubWindow(voisine);
        // Current or not, the table is what the user asked to see.
        sous->raise();
    }
    return fenetre;
}

TDeroulement::TDeroulement(TableauDeroulement tableau_) : tableau(std::move(tableau_))
{
    vue = new QTableView(this);
    vue->setObjectName(QStringLiteral("Tableau"));
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue->verticalHeader()->hide();
    Remplir();
    auto* notes = new QLabel(Texte([this] {
                                 std::string texte;
                                 for (const std::string& note : tableau.notes)
                                     texte += (texte.empty() ? "" : "\n") + note;
                                 return texte;
                             }()),
                             this);
    notes->setWordWrap(true);
    notes->setTextFormat(Qt::PlainText);
    auto* copier = new QPushButton(kCopier, this);
    copier->setObjectName(QStringLiteral("bt_Copier"));
    connect(copier, &QPushButton::clicked, this, &TDeroulement::CopierTableau);
    auto* exporter = new QPushButton(kExporter, this);
    exporter->setObjectName(QStringLiteral("bt_Exporter"));
    connect(exporter, &QPushButton::clicked, this, &TDeroulement::ExporterClick);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(copier);
    boutons->addWidget(exporter);
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(vue);
    colonne->addWidget(notes);
    colonne->addLayout(boutons);
}

QMdiSubWindow* TDeroulement::SousFenetre() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TDeroulement::Remplir()
{
    auto* modele =
        new QStandardItemModel(static_cast<int>(tableau.lignes.size()), static_cast<int>(tableau.entetes.size()), vue);
    for (size_t c = 0; c < tableau.entetes.size(); ++c)
        modele->setHorizontalHeaderItem(static_cast<int>(c), new QStandardItem(Texte(tableau.entetes[c])));
    for (size_t l = 0; l < tableau.lignes.size(); ++l) {
        for (size_t c = 0; c < tableau.lignes[l].size(); ++c) {
            auto* cellule = new QStandardItem(Texte(tableau.lignes[l][c]));
            if (tableau.choisis[l] == static_cast<int>(c)) {
                cellule->setBackground(kFondChoisi);
                QFont gras = cellule->font();
                gras.setBold(true);
                cellule->setFont(gras);
            }
            modele->setItem(static_cast<int>(l), static_cast<int>(c), cellule);
        }
    }
    vue->setModel(modele);
    vue->resizeColumnsToContents();
}

// The whole table when the area allows: Qt's hint for a view stops at a
// few columns, and a student compares whole rows.
QSize TDeroulement::TailleVoulue() const
{
    const int cadre = 2 * vue->frameWidth();
    const QSize contenu(vue->horizontalHeader()->length() + cadre + vue->verticalScrollBar()->sizeHint().width(),
                        vue->horizontalHeader()->sizeHint().height() + vue->verticalHeader()->length() + cadre
                            + vue->horizontalScrollBar()->sizeHint().height());
    return contenu + (sizeHint() - vue->sizeHint());
}

void TDeroulement::CopierTableau() const
{
    QApplication::clipboard()->setText(Texte(TexteTabule(tableau)));
}

QString TDeroulement::Exporter(const QString& chemin) const
{
    const bool latex = chemin.endsWith(kExtensionLatex, Qt::CaseInsensitive);
    const std::string contenu = latex ? TexteLatex(tableau) : TexteCsv(tableau);
    return Texte(EcrireFichier(CheminVersOctets(chemin), contenu));
}

void TDeroulement::ExporterClick()
{
    QString filtre;
    const QString chemin =
        QFileDialog::getSaveFileName(this, kTitreExport, {}, kFiltreCsv + QStringLiteral(";;") + kFiltreLatex, &filtre);
    if (chemin.isEmpty())
        return;
    // The filter chosen gives the extension the user left out.
    QString nom = chemin;
    if (QFileInfo(nom).suffix().isEmpty())
        nom += filtre == kFiltreLatex ? kExtensionLatex : QStringLiteral(".csv");
    if (const QString erreur = Exporter(nom); !erreur.isEmpty())
        AfficherBoite(erreur, kTitreExport);
}

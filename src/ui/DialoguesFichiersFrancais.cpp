#include "DialoguesFichiersFrancais.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace {
// The columns of QFileSystemModel.
constexpr int kColonneTaille = 1;
constexpr int kColonneDate = 3;
// The month by its name: "14/07/2026" reads as a day or a month depending
// on who reads it.
const QString kFormatDate = QStringLiteral("d MMM yyyy HH:mm");
// The widest texts of each column, and the margin the view draws around them.
const QString kTailleLaPlusLarge = QStringLiteral("1023 octets");
const QString kDateLaPlusLarge = QStringLiteral("30 sept. 2026 23:59");
constexpr int kMarge = 16;

class ModeleFichiersFrancais : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        const int colonne = index.column();
        if (role != Qt::DisplayRole || fichiers == nullptr || (colonne != kColonneTaille && colonne != kColonneDate))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QLocale francais(QLocale::French, QLocale::France);
        if (colonne == kColonneDate)
            return francais.toString(fichiers->lastModified(source), kFormatDate);
        // Folders have no size, as in Qt's own list; ko and Mo count by
        // 1024, as French file managers do.
        if (fichiers->isDir(source))
            return QString();
        return francais.formattedDataSize(fichiers->size(source), 1, QLocale::DataSizeTraditionalFormat);
    }
};
}  // namespace

void FranciserDialogueFichiers(QFileDialog& dialogue)
{
    dialogue.setProxyModel(new ModeleFichiersFrancais(&dialogue));
    // Qt's own name for the detail view of its dialog.
    auto* detail = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (detail == nullptr)
        return;
    const QFontMetrics mesure(detail->font());
    QHeaderView& entete = *detail->header();
    int ajout = 0;
    for (const auto& [colonne, texte] :
         {std::pair{kColonneTaille, kTailleLaPlusLarge}, {kColonneDate, kDateLaPlusLarge}}) {
        const int largeur = mesure.horizontalAdvance(texte) + kMarge;
        ajout += std::max(0, largeur - entete.sectionSize(colonne));
        entete.resizeSection(colonne, std::max(largeur, entete.sectionSize(colonne)));
    }
    // The dialog grows by as much, so that the dates need no scrolling.
    dialogue.resize(dialogue.sizeHint() + QSize(ajout, 0));
}

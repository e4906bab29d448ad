#include "ModeleFichiersFrancais.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {
// The columns of QFileSystemModel.
constexpr int kColonneTaille = 1;
constexpr int kColonneDate = 3;
// The month by its name: "14/07/2026" would read as a day or a month
// depending on who reads it.
const QString kFormatDate = QStringLiteral("d MMM yyyy HH:mm");
}  // namespace

QVariant ModeleFichiersFrancais::data(const QModelIndex& index, int role) const
{
    const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int colonne = index.column();
    if (role != Qt::DisplayRole || fichiers == nullptr || (colonne != kColonneTaille && colonne != kColonneDate))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale francais(QLocale::French, QLocale::France);
    if (colonne == kColonneDate)
        return francais.toString(fichiers->lastModified(source), kFormatDate);
    // Folders have no size, as in Qt's own list; ko and Mo count by 1024,
    // as French file managers do.
    if (fichiers->isDir(source))
        return QString();
    return francais.formattedDataSize(fichiers->size(source), 1, QLocale::DataSizeTraditionalFormat);
}

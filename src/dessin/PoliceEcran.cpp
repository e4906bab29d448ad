#include "PoliceEcran.h"

#include <QStringList>

namespace {
const QString kFamille = QStringLiteral("MS Sans Serif");
constexpr int kHauteurPixels = 11;
}  // namespace

QFont PoliceEcran()
{
    // Without this, Qt falls back to its default face, often wider than the
    // labels' room under the vertices.
    static const bool substituee = [] {
        QFont::insertSubstitutions(
            kFamille, {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)substituee;
    QFont police(kFamille);
    police.setPixelSize(kHauteurPixels);
    return police;
}

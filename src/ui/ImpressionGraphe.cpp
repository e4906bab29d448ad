#include "ImpressionGraphe.h"

#include "SortiesGraphe.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
// Qt opens the printer's file itself, and a FIFO there would hold the
// desktop until some reader came: only a regular file is replaced, and a
// folder fails as the printing starts.
QString RefusNonOrdinaire(const QString& fichier)
{
    const QFileInfo cible(fichier);
    if (fichier.isEmpty() || !cible.exists() || cible.isFile() || cible.isDir())
        return {};
    return QStringLiteral("Impossible d'écrire « %1 » : ce n'est pas un fichier ordinaire.").arg(fichier);
}

QString ErreurImpression(const QPrinter& imprimante)
{
    const QString fichier = imprimante.outputFileName();
    return fichier.isEmpty() ? ErreurDebutPage(imprimante.printerName(), false) : ErreurDebutPage(fichier, true);
}
}  // namespace

QString ImprimerGraphe(TGraphe& graphe, QPrinter& imprimante)
{
    // The copies are ours to make, one job each: the printer must not
    // multiply every job again.
    const int copies = std::max(imprimante.copyCount(), 1);
    imprimante.setCopyCount(1);
    imprimante.setDocName(kTitrePage);
    const bool versFichier = !imprimante.outputFileName().isEmpty();
    if (QString refus = RefusNonOrdinaire(imprimante.outputFileName()); !refus.isEmpty())
        return refus;
    QPainter peintre;
    for (int copie = 0; copie < copies; ++copie) {
        const bool nouveauTravail = copie == 0 || !versFichier;
        if (nouveauTravail ? !peintre.begin(&imprimante) : !imprimante.newPage())
            return ErreurImpression(imprimante);
        DessinerPageSur(graphe, peintre);
        if (!versFichier && !peintre.end())
            return ErreurImpression(imprimante);
    }
    if (versFichier && !peintre.end())
        return ErreurImpression(imprimante);
    return {};
}

#include "ImpressionGraphe.h"

#include "SortiesGraphe.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
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

#include "ImpressionGraphe.h"

#include "SortiesGraphe.h"

#include "model/Avancement.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

QString ImprimerGraphe(TGraphe& graphe, QPrinter& imprimante)
{
    // The copies are ours to make, one job each: the printer must not
    // multiply every job again.
    const int copies = std::max(imprimante.copyCount(), 1);
    imprimante.setCopyCount(1);
    imprimante.setDocName(kTitrePage);
    // A file is written as every other file is, complete or not at all.
    if (const QString fichier = imprimante.outputFileName(); !fichier.isEmpty())
        return EcrirePagePdf(graphe, fichier, {imprimante.pageLayout(), imprimante.resolution(), copies});
    QPainter peintre;
    for (int copie = 0; copie < copies; ++copie) {
        if (!peintre.begin(&imprimante))
            return ErreurDebutPage(imprimante.printerName());
        try {
            DessinerPageSur(graphe, peintre);
        } catch (const CalculAnnule&) {
            // Half a page must not reach the printer.
            imprimante.abort();
            throw;
        }
        if (!peintre.end())
            return ErreurDebutPage(imprimante.printerName());
    }
    return {};
}

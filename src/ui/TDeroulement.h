#pragma once

#include "algorithms/TableauDeroulement.h"

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QTableView;

// The window "Déroulement : ..." that shows a recorded run as a table: a
// column per vertex (or per field of an arc), a row per step, the vertex
// chosen in each row highlighted. The table can be copied for a
// spreadsheet or exported to CSV or to a LaTeX tabular.
class TDeroulement : public QWidget {
    Q_OBJECT
public:
    // A new window in `zone`, beside `voisine` when it fits there; `voisine`
    // stays the current window, so that the commands and their shortcuts
    // keep acting on a graph.
    static TDeroulement* Ouvrir(QMdiArea& zone, TableauDeroulement tableau, QMdiSubWindow* voisine);

    QMdiSubWindow* SousFenetre() const;
    QTableView* Vue() const { return vue; }
    // Tab-separated rows on the clipboard.
    void CopierTableau() const;
    // LaTeX for a ".tex" file, CSV otherwise; an empty text when written,
    // else the reason.
    QString Exporter(const QString& chemin) const;

private:
    explicit TDeroulement(TableauDeroulement tableau);
    void Remplir();
    QSize TailleVoulue() const;
    void ExporterClick();

    TableauDeroulement tableau;
    QTableView* vue = nullptr;
};

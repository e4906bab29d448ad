#include "TApercu.h"

#include "SortiesGraphe.h"

#include <QKeySequence>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace {
const QString kTitreApercu = QStringLiteral("Aperçu avant impression");
// Height over width of an A-series sheet.
constexpr double kRapportFeuille = 1.41428;
}  // namespace

TApercu::TApercu(QWidget& cadre) : QWidget(&cadre, Qt::Window)
{
    setWindowTitle(kTitreApercu);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

TApercu* TApercu::Ouvrir(QWidget& cadre, TGraphe& graphe)
{
    auto* apercu = new TApercu(cadre);
    const QRect ecran = cadre.screen()->geometry();
    const int largeur = static_cast<int>(ecran.height() / kRapportFeuille);
    apercu->setGeometry(ecran.x() + ecran.width() / 2 - largeur / 2, ecran.y(), largeur, ecran.height());
    apercu->show();
    apercu->raise();
    apercu->activateWindow();
    apercu->page = ImagePage(graphe, apercu->size(), apercu->logicalDpiY());
    apercu->update();
    return apercu;
}

void TApercu::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, page);
}

#include "TProgression.h"

#include "TextesCommuns.h"

#include "model/Avancement.h"

#include <QApplication>
#include <QProgressDialog>
#include <QThread>

namespace {
const QString kCalculEnCours = QStringLiteral("Calcul en cours : %1…");
const QString kAnnuler = QStringLiteral("Annuler");
// The bar's scale: totals may exceed what an int counts.
constexpr int kGraduations = 1000;
}  // namespace

TProgression* TProgression::courante = nullptr;

TProgression::TProgression(const QString& nom_)
    : responsable(courante == nullptr), niveauBoucle(QThread::currentThread()->loopLevel()), nom(nom_)
{
    if (responsable)
        courante = this;
}

TProgression::~TProgression()
{
    if (responsable)
        courante = nullptr;
}

void TProgression::Signaler(uint64_t fait, uint64_t total)
{
    if (courante != nullptr && QThread::currentThread()->loopLevel() == courante->niveauBoucle)
        courante->Avancer(fait, total);
}

void TProgression::Masquer()
{
    if (courante == nullptr)
        return;
    courante->dialogue.reset();
    courante->horloge.invalidate();
    courante->dernierCoupDOeil = 0;
}

void TProgression::Avancer(uint64_t fait, uint64_t total)
{
    if (!horloge.isValid())
        horloge.start();
    const qint64 maintenant = horloge.elapsed();
    if (maintenant - dernierCoupDOeil < kIntervalleMs || (!dialogue && maintenant < kDelaiMs))
        return;
    dernierCoupDOeil = maintenant;
    if (!dialogue)
        Montrer();
    if (total > 0)
        dialogue->setValue(static_cast<int>(static_cast<double>(fait) / static_cast<double>(total) * kGraduations));
    // The dialog is modal: only it takes the user's input.
    QCoreApplication::processEvents();
    if (annule)
        throw CalculAnnule();
}

void TProgression::Montrer()
{
    dialogue = std::make_unique<QProgressDialog>(kCalculEnCours.arg(nom), kAnnuler, 0, kGraduations,
                                                 QApplication::activeWindow());
    dialogue->setObjectName(QStringLiteral("Progression"));
    dialogue->setWindowTitle(kNomApplication);
    dialogue->setWindowModality(Qt::ApplicationModal);
    dialogue->setAutoReset(false);
    dialogue->setAutoClose(false);
    dialogue->setMinimumDuration(0);
    QObject::connect(dialogue.get(), &QProgressDialog::canceled, [this] { annule = true; });
    dialogue->show();
}

#include "FichiersRecents.h"

#include "TextesCommuns.h"

#include <QFileInfo>

namespace {
const QString kCleFichiers = QStringLiteral("fichiersRecents");
const QString kCleDossier = QStringLiteral("dernierDossier");
}  // namespace

FichiersRecents::FichiersRecents() : reglages(kNomApplication, kNomApplication) {}

QStringList FichiersRecents::Liste() const
{
    return reglages.value(kCleFichiers).toStringList().mid(0, kNombre);
}

void FichiersRecents::Ajouter(const QString& chemin)
{
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    QStringList liste = Liste();
    liste.removeAll(absolu);
    liste.prepend(absolu);
    reglages.setValue(kCleFichiers, liste.mid(0, kNombre));
    FixerDernierDossier(QFileInfo(absolu).absolutePath());
}

void FichiersRecents::Effacer()
{
    reglages.remove(kCleFichiers);
}

QString FichiersRecents::DernierDossier() const
{
    return reglages.value(kCleDossier).toString();
}

void FichiersRecents::FixerDernierDossier(const QString& dossier)
{
    reglages.setValue(kCleDossier, dossier);
}

#pragma once

#include <QSettings>
#include <QStringList>

// The files last opened or saved, most recent first, and the folder the file
// dialogs start in; both outlive the session in the user's settings.
class FichiersRecents {
public:
    static constexpr int kNombre = 8;

    FichiersRecents();

    QStringList Liste() const;
    // Puts `chemin` first, once, and makes its folder the last one used.
    void Ajouter(const QString& chemin);
    void Effacer();
    // Empty until a file has been chosen once.
    QString DernierDossier() const;
    void FixerDernierDossier(const QString& dossier);

private:
    QSettings reglages;
};

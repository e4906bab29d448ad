#pragma once

#include <QStringList>

#include <optional>

// What the command line asks of the program.
struct Lancement {
    // The graphs to open, each in its own window.
    QStringList fichiers;
    // Set once help, the version or a mistake has been printed: the program
    // ends with this status without showing anything.
    std::optional<int> sortie;
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
// With `strict` false, unknown options are let through: the graphical
// application, made afterwards, takes its own (-platform, -display...) and
// the rest are judged then.
Lancement LireLigneCommande(const QStringList& arguments, bool strict);

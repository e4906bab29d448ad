#pragma once

#include <QString>

// Texts the shell shows from more than one place.

// The application's name: the frame's caption, and the title under which a
// failure of the platform is reported.
inline const QString kNomApplication = QStringLiteral("Quorvalent");

// The status bar between two commands.
inline const QString kPret = QStringLiteral("Prêt.");

// The caption of a graph window that has no file.
inline const QString kTitreGrapheSansNom = QStringLiteral("Graphe");

#pragma once

#include <QString>

// The program's message boxes: modal, French buttons, no icon.

void AfficherBoite(const QString& texte, const QString& titre);
// Yes/No; true only when the user chose Yes.
bool PoserQuestionBoite(const QString& texte, const QString& titre);

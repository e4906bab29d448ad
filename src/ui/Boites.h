#pragma once

#include <QString>

// The program's message boxes: modal, French buttons, no icon.

void AfficherBoite(const QString& texte, const QString& titre);
// Yes/No; true only when the user chose Yes.
bool PoserQuestionBoite(const QString& texte, const QString& titre);

// The answers to the question asked before a modified graph closes.
enum class ChoixFermeture { Enregistrer, NePasEnregistrer, Annuler };
// « Le graphe « nom » a été modifié... »: Enregistrer is the default button,
// Escape answers Annuler.
ChoixFermeture DemanderEnregistrement(const QString& nom);

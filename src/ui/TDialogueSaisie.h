#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// What the prompts share: the screen font, Ok and Annuler buttons that are
// never the default, Enter and Escape acting only in the field the prompt
// names, and every way out ending the dialog alike, so that the caller reads
// the prompt's buffers, not exec()'s result.
class TDialogueSaisie : public QDialog {
    Q_OBJECT
public:
    // Ok: the answer is written, then the dialog ends.
    void Valider();
    // Annuler: the answer is emptied, then the dialog ends.
    void Annuler();
    // The close box (and any other rejection) counts as Annuler.
    void reject() override;

protected:
    TDialogueSaisie(QWidget* proprietaire, Qt::WindowFlags drapeaux, const QString& titre);

    // Creates Ok and Annuler with the prompt's own names and places.
    void CreerBoutons(const char* nomOk, QRect ok, const char* nomAnnuler, QRect annuler);
    // Enter in `champ` counts as Ok and Escape as Annuler.
    void EcouterTouches(QLineEdit& champ);
    // Enter as Ok, Escape as Annuler; false for any other key.
    bool TraiterTouche(const QEvent& evenement);

    virtual void EcrireReponse() = 0;
    virtual void EffacerReponse() = 0;
    // The field that gets the caret each time the prompt becomes active.
    virtual QLineEdit& ChampActif() const = 0;

    void changeEvent(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    QPushButton* btOk = nullptr;
    QPushButton* btAnnuler = nullptr;

private:
    QLineEdit* champTouches = nullptr;
};

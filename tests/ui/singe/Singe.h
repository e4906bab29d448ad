#pragma once

#include "Hasard.h"
#include "Repondant.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <thread>

class QMdiArea;
class TFenetreGraphe;
class TTrivaldo;

struct ReglagesSinge {
    uint64_t graine = 0;
    double secondes = 20;
    int64_t actionsMax = INT64_MAX;
    // Longest an action may take before the run is called stuck.
    int secondesBlocage = 90;
    bool bavard = false;
};

// From MONKEY_SEED, MONKEY_SECONDS, MONKEY_ACTIONS, MONKEY_STALL and
// MONKEY_VERBOSE; the seed defaults to today's date (YYYYMMDD, UTC).
ReglagesSinge LireReglagesSinge();

// Randomized desktop sessions: frames made and destroyed, and in each the
// mouse, the menus, the prompts and the files driven at random, with every
// open graph checked after each action. Files go to a short temporary folder,
// which is also the home and current folder for the run.
class Singe {
public:
    explicit Singe(const ReglagesSinge& reglages);
    ~Singe();

    // Runs until the time or the action budget is spent; empty when every
    // check held, else what failed, with the seed and the last actions.
    QString Courir();

private:
    // One frame, from its creation to its end.
    QString Session();
    void EcrireGraphesTires();
    void PhotographierDossier();
    void Agir();
    QString Verifier();
    QString VerifierEnregistrements();
    QString VerifierSorties();

    void CliquerVide();
    void Glisser();
    void DoubleCliquer();
    void CliquerDroit();
    void Bouger();
    void Commander();
    void Raccourci();
    void ChangerDeFenetre();
    void RetoucherSousFenetre();
    void Deposer();
    void FermerFenetresVolantes();
    void Bricoler();

    TFenetreGraphe* FenetreAuHasard();
    QPoint PointAuHasard(TFenetreGraphe& fenetre);
    QStringList NomsActifs();
    void Noter(const QString& texte);
    QString Echec(const QString& ecart) const;
    void Finir();

    ReglagesSinge reglages;
    Hasard hasard;
    QTemporaryDir dossier;
    QString dossierInitial;
    std::unique_ptr<TTrivaldo> cadre;
    std::unique_ptr<Repondant> repondant;
    std::deque<QString> journal;
    // The ".gff" files of the folder before the action, by their bytes.
    QMap<QString, QByteArray> fichiersAvant;
    QString actionEnCours;
    QDateTime debutAction;
    TFenetreGraphe* activeAvant = nullptr;
    QElapsedTimer chrono;
    int64_t actions = 0;
    int sessions = 0;
    // The watchdog: a stuck action (a dialog nobody answers, a loop) ends
    // the run with its seed rather than at the test's timeout.
    std::atomic<int64_t> dernierPas{0};
    std::atomic<bool> fini{false};
    std::thread chien;
};

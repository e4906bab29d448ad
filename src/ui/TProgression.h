#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <memory>

class QProgressDialog;

// The command the user started, while it runs: past a moment, a dialog shows
// how far it has come and lets the user stop it; from then on the windows
// keep painting, and nothing else takes the user's input. A shorter command
// never looks at the events: a window painted half-way would only slow it.
// One command at a time: a scope opened inside another's leaves it in
// charge. Reports from a dialog's own event loop (a print preview drawing
// its pages) are the dialog's affair, not the command's, and are ignored.
class TProgression {
public:
    // The delay before the dialog shows.
    static constexpr qint64 kDelaiMs = 300;

    // `nom` as the user names the command ("Ford (max)").
    explicit TProgression(const QString& nom);
    ~TProgression();
    TProgression(const TProgression&) = delete;
    TProgression& operator=(const TProgression&) = delete;

    // A report of the command running, from its window; nothing when no
    // command runs. Throws CalculAnnule once the user has asked to stop.
    static void Signaler(uint64_t fait, uint64_t total);
    // Before a message or a question of the command: its computing is over
    // for now, and the dialog would stand behind the box. A later report
    // starts the delay again.
    static void Masquer();

private:
    // Between two looks at the events, at most: the windows stay lively.
    static constexpr qint64 kIntervalleMs = 40;

    void Avancer(uint64_t fait, uint64_t total);
    void Montrer();

    static TProgression* courante;
    bool responsable;
    int niveauBoucle;
    QString nom;
    // From the first report: what comes before (a file chosen, names typed)
    // is the user's time, not the command's.
    QElapsedTimer horloge;
    qint64 dernierCoupDOeil = 0;
    std::unique_ptr<QProgressDialog> dialogue;
    bool annule = false;
};

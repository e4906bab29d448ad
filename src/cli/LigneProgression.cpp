#include "LigneProgression.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <unistd.h>

namespace {
using Horloge = std::chrono::steady_clock;
constexpr auto kAvantAffichage = std::chrono::seconds(1);
constexpr auto kEntreDeuxLignes = std::chrono::milliseconds(100);

struct Etat {
    bool suivi = false;
    bool affichee = false;
    std::string nom;
    Horloge::time_point debut;
    Horloge::time_point derniere;
} etat;

// Straight to the terminal, past the streams: the line must not clear itself,
// and must still be cleared after the streams are gone.
void Ecrire(std::string_view texte)
{
    while (!texte.empty()) {
        const ssize_t ecrits = ::write(STDERR_FILENO, texte.data(), texte.size());
        if (ecrits <= 0)
            return;
        texte.remove_prefix(size_t(ecrits));
    }
}

void Effacer()
{
    if (!etat.affichee)
        return;
    etat.affichee = false;
    // Back to the line's start, then erase to its end.
    Ecrire("\r\033[K");
}

// Stands before a standard stream's own buffer and clears the line before
// anything goes through.
class TamponEffacant : public std::streambuf {
public:
    explicit TamponEffacant(std::streambuf* suite_) : suite(suite_) {}

protected:
    int overflow(int c) override
    {
        Effacer();
        return traits_type::eq_int_type(c, traits_type::eof()) ? traits_type::not_eof(c) : suite->sputc(char(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        Effacer();
        return suite->sputn(s, n);
    }
    int sync() override { return suite->pubsync(); }

private:
    std::streambuf* suite;
};

void Interposer(std::ostream& flux)
{
    // Never freed: the standard streams are flushed once more after main.
    flux.rdbuf(new TamponEffacant(flux.rdbuf()));
}
}  // namespace

void LigneProgression::Suivre(std::string_view nom)
{
    if (etat.suivi || ::isatty(STDERR_FILENO) != 1)
        return;
    etat.suivi = true;
    etat.nom = nom;
    etat.debut = Horloge::now();
    Interposer(std::cout);
    Interposer(std::cerr);
    std::atexit(Effacer);
}

void LigneProgression::Signaler(uint64_t fait, uint64_t total)
{
    if (!etat.suivi)
        return;
    const Horloge::time_point maintenant = Horloge::now();
    if (maintenant - etat.debut < kAvantAffichage || (etat.affichee && maintenant - etat.derniere < kEntreDeuxLignes))
        return;
    // What the command wrote so far goes before the line.
    std::cout.flush();
    etat.derniere = maintenant;
    etat.affichee = true;
    const uint64_t pourcent = total > 0 ? fait * 100 / total : 0;
    Ecrire("\rCalcul en cours : " + etat.nom + "… " + std::to_string(pourcent) + " %\033[K");
}

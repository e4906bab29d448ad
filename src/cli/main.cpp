#include "Cli.h"
#include "LigneProgression.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <new>
#include <streambuf>

namespace {
constexpr std::string_view kSortieImpossible = " : la sortie standard ne peut être écrite.\n";

// Where -q sends everything: a script asking only for the status.
class TamponMuet : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Takes every `noms` option out of the options part of `ligne`; true when
// there was one. Such options act wherever they stand.
bool RetirerOption(std::vector<std::string>& ligne, std::initializer_list<std::string_view> noms)
{
    const auto fin = std::find(ligne.begin(), ligne.end(), "--");
    const auto reste = std::remove_if(
        ligne.begin(), fin, [&](const std::string& a) { return std::find(noms.begin(), noms.end(), a) != noms.end(); });
    const bool trouvee = reste != fin;
    ligne.erase(reste, fin);
    return trouvee;
}

// A script must not take a truncated output for a complete one.
int Terminer(int statut)
{
    std::cout.flush();
    if (std::cout)
        return statut;
    std::cerr << kNomOutil << kSortieImpossible;
    return kEchec;
}
}  // namespace

int main(int argc, char** argv)
{
    // A file size limit then fails the write, which says so with status 3.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> ligne(argv + 1, argv + argc);
    std::streambuf* muet = nullptr;
    if (RetirerOption(ligne, {"-q", "--silencieux"})) {
        // Never freed: the standard streams are flushed once more after main
        // returns, when a static buffer would already be gone.
        muet = new TamponMuet;
        std::cout.rdbuf(muet);
        std::cerr.rdbuf(muet);
    }
    if (RetirerOption(ligne, {"-h", "--help", "--aide"})) {
        std::cout << TexteUsage();
        return Terminer(kSucces);
    }
    if (RetirerOption(ligne, {"-V", "--version"})) {
        std::cout << kNomOutil << ' ' << QUORVALENT_VERSION << '\n';
        return Terminer(kSucces);
    }
    const CommandeCli* commande = nullptr;
    Arguments arguments;
    if (!AnalyserLigne(ligne, commande, arguments))
        return kErreurUsage;
    // Muted by -q, standard error shows no progress either.
    if (muet == nullptr)
        LigneProgression::Suivre(commande->nom);
    int statut = kEchec;
    try {
        statut = commande->executer(arguments);
    } catch (const std::bad_alloc&) {
        // A script sees a failure it can report, not an abort.
        std::cout.flush();
        std::cerr << "Mémoire insuffisante : la commande « " << commande->nom << " » a été abandonnée.\n";
        return kEchec;
    }
    return Terminer(statut);
}

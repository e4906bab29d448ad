#pragma once

#include <graphviz/cgraph.h>

#include <memory>
#include <mutex>
#include <string>

// Graphviz keeps its parser, its error handler and its layout state in
// globals: one session at a time holds them, and collects what Graphviz
// would otherwise print on standard error.
class SessionGraphviz {
public:
    SessionGraphviz();
    ~SessionGraphviz();
    SessionGraphviz(const SessionGraphviz&) = delete;
    SessionGraphviz& operator=(const SessionGraphviz&) = delete;

    struct Fermeture {
        void operator()(Agraph_t* g) const { agclose(g); }
    };
    using Graphe = std::unique_ptr<Agraph_t, Fermeture>;

    // The first graph of `texte` (no zero byte in it), or null with the
    // error in Erreur().
    Graphe Lire(const std::string& texte);

    // The first error Graphviz reported in this session, its warnings left
    // out; empty when none.
    std::string Erreur() const;

private:
    std::unique_lock<std::mutex> verrou;
    agusererrf gestionnairePrecedent;
    agerrlevel_t niveauPrecedent;
};

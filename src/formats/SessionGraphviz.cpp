#include "formats/SessionGraphviz.h"

#include <string_view>

// Graphviz's scanner keeps what it read ahead from one text to the next: a
// text holding two graphs would hand its second one to the next read. This
// function of its library, exported but left out of its header, drops that.
extern "C" void aglexbad(void);

namespace {

std::mutex verrouGraphviz;

// Graphviz calls its handler without any context: the session in force is
// the only one, under the lock.
std::string messagesGraphviz;

int Recueillir(char* message)
{
    messagesGraphviz += message;
    return 0;
}

}  // namespace

SessionGraphviz::SessionGraphviz() : verrou(verrouGraphviz)
{
    messagesGraphviz.clear();
    gestionnairePrecedent = agseterrf(Recueillir);
    niveauPrecedent = agseterr(AGWARN);
    agreseterrors();
}

SessionGraphviz::~SessionGraphviz()
{
    agseterrf(gestionnairePrecedent);
    agseterr(niveauPrecedent);
    messagesGraphviz.clear();
}

SessionGraphviz::Graphe SessionGraphviz::Lire(const std::string& texte)
{
    aglexbad();
    Graphe graphe(agmemread(texte.c_str()));
    // A read that failed half-way may still hand back what it built.
    if (agerrors() > 0)
        graphe.reset();
    return graphe;
}

std::string SessionGraphviz::Erreur() const
{
    constexpr std::string_view kErreur = "Error: ";
    std::string_view messages = messagesGraphviz;
    size_t debut = messages.find(kErreur);
    if (debut == std::string_view::npos)
        return agerrors() > 0 ? std::string(messages) : std::string();
    debut += kErreur.size();
    const size_t fin = messages.find('\n', debut);
    return std::string(messages.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
}

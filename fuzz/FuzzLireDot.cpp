// libFuzzer target: any byte string is read as a DOT file. What is read
// must write back and read again as the same structure; a refusal must
// leave nothing. A crash, a sanitizer report, a hang or an abort is a
// finding, as is a read that disturbs the next one.

#include "OutilsEchange.h"
#include "formats/LireDot.h"
#include "formats/TexteDot.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Echouer(const char* quoi, const std::string& detail)
{
    std::fprintf(stderr, "%s\n%s\n", quoi, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    GrapheEchange g;
    const std::string message = LireDot(texte, g);
    if (!message.empty()) {
        if (!g.sommets.empty() || !g.arcs.empty())
            Echouer("refus avec un graphe", message);
        GrapheEchange temoin;
        if (!LireDot("digraph { temoin }", temoin).empty() || temoin.sommets.size() != 1)
            Echouer("lecture suivante troublee", message);
        return 0;
    }
    const std::string ecrit = TexteDot(g);
    GrapheEchange relu;
    const std::string relecture = LireDot(ecrit, relu);
    if (!relecture.empty())
        Echouer("relecture refusee", relecture + "\n" + ecrit);
    if (PhotoEchange(relu) != PhotoEchange(g))
        Echouer("relecture differente", PhotoEchange(g) + "--- relu ---\n" + PhotoEchange(relu) + ecrit);
    return 0;
}

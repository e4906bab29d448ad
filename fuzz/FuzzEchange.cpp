// libFuzzer target of one exchange format's reader, chosen at build time
// (QUORVALENT_FORMAT: "graphml", "json" or "csv"). Any byte string is
// read; what was read fills a store, whose counters must be true, and must
// come back unchanged through the format's writer and reader: adapted once,
// a graph needs no second adaptation. A crash, a sanitizer report, a hang
// or an abort below is a finding.

#include "FauxServices.h"
#include "Invariants.h"
#include "formats/EchangeDepuisGraphe.h"
#include "formats/FormatCsv.h"
#include "formats/FormatGraphML.h"
#include "formats/FormatJson.h"
#include "formats/RemplirDepuisEchange.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
constexpr std::string_view kFormat = QUORVALENT_FORMAT;

std::string Lire(std::string_view texte, GrapheEchange& graphe)
{
    if (kFormat == "graphml")
        return LireGraphML(texte, graphe);
    if (kFormat == "json")
        return LireJson(texte, graphe);
    return LireCsv(texte, true, graphe);
}

std::string Ecrire(const GrapheEchange& graphe)
{
    if (kFormat == "graphml")
        return TexteGraphML(graphe);
    if (kFormat == "json")
        return TexteJson(graphe);
    return TexteCsv(graphe);
}

[[noreturn]] void Echouer(const char* quoi, const std::string& detail)
{
    std::fprintf(stderr, "%s\n%s\n", quoi, detail.c_str());
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    GrapheEchange lu;
    if (!Lire(std::string_view(reinterpret_cast<const char*>(donnees), taille), lu).empty())
        return 0;
    FauxServices fenetre;
    TGraphe g(fenetre);
    (void)RemplirDepuisEchange(std::move(lu), g);
    const std::string ecarts = EcartsInvariants(g, true);
    if (!ecarts.empty() || !fenetre.messages.empty())
        Echouer("magasin incoherent", ecarts + PhotoGraphe(g));

    const std::string texte = Ecrire(EchangeDepuisGraphe(g));
    GrapheEchange relu;
    const std::string erreur = Lire(texte, relu);
    if (!erreur.empty())
        Echouer("relecture refusee", erreur + "\n" + texte);
    FauxServices autre;
    TGraphe g2(autre);
    const auto adaptations = RemplirDepuisEchange(std::move(relu), g2);
    if (!adaptations.empty())
        Echouer("seconde adaptation", adaptations.front() + "\n" + texte);
    if (PhotoGraphe(g2) != PhotoGraphe(g))
        Echouer("relecture differente", PhotoGraphe(g) + "--- relu ---\n" + PhotoGraphe(g2) + texte);
    return 0;
}

#include "algorithms/IndexNumeros.h"

#include "model/TGraphe.h"

#include <cstring>

namespace {
std::string_view Cle(const char* nom)
{
    return {nom, strnlen(nom, kTailleNom)};
}
}  // namespace

IndexNumeros::IndexNumeros(const TGraphe& graphe, int32_t taille)
    : parNumero(static_cast<size_t>(taille > 0 ? taille : 0), nullptr)
{
    // One walk that reproduces SommetNumero for every number: the first
    // vertex in list order whose number matches wins, and an unnumbered later
    // homonym answers with its elder's number, so it never wins.
    // The table's size is the vertex count in every caller: one allocation
    // of buckets instead of a rehash at each doubling.
    numeroParNom.reserve(parNumero.size());
    int32_t position = 0;
    for (Sommet* s = graphe.premierSommet; s != nullptr; s = s->sommetSuivant, ++position) {
        const int32_t numero = s->valeur != 0 ? s->valeur : position;
        const bool aine = numeroParNom.try_emplace(Cle(s->nom), numero).second;
        if (numero < 0 || numero >= Taille() || parNumero[numero] != nullptr)
            continue;
        if (s->valeur != 0 || aine)
            parNumero[numero] = s;
    }
}

Sommet* IndexNumeros::SommetNumero(int32_t numero) const
{
    if (numero < 0 || numero >= Taille())
        return nullptr;
    return parNumero[numero];
}

int32_t IndexNumeros::Numero(const char* nom) const
{
    const auto trouve = numeroParNom.find(Cle(nom));
    if (trouve == numeroParNom.end() || trouve->second < 0 || trouve->second >= Taille())
        return -1;
    return trouve->second;
}

ListesEntrantes::ListesEntrantes(const IndexNumeros& index)
    : debuts(static_cast<size_t>(index.Taille()) + 1, 0)
{
    // An arc enters the first bearer of the name it carries. A later homonym
    // never gets incoming arcs this way, and needs none: unnumbered, its
    // number answers to no vertex; numbered topologically, no arc names it,
    // or it would have kept an unconsumed in-degree and no number.
    const auto pourChaqueArc = [&index](auto&& faire) {
        for (int32_t n = 0; n < index.Taille(); ++n) {
            const Sommet* s = index.SommetNumero(n);
            for (const Arc* a = s != nullptr ? s->arcSuivant : nullptr; a != nullptr; a = a->arcSuivant) {
                const int32_t cible = index.Numero(a->nom);
                if (cible != -1)
                    faire(n, cible, a->valeur);
            }
        }
    };
    pourChaqueArc([this](int32_t, int32_t cible, int32_t) { ++debuts[cible + 1]; });
    for (size_t n = 1; n < debuts.size(); ++n)
        debuts[n] += debuts[n - 1];
    arcs.resize(static_cast<size_t>(debuts.back()));
    std::vector<int32_t> libre(debuts.begin(), debuts.end() - 1);
    pourChaqueArc([this, &libre](int32_t origine, int32_t cible, int32_t poids) {
        arcs[libre[cible]++] = {origine, poids};
    });
}

std::span<const ArcEntrant> ListesEntrantes::De(int32_t numero) const
{
    if (numero < 0 || numero + 1 >= static_cast<int32_t>(debuts.size()))
        return {};
    return std::span<const ArcEntrant>(arcs).subspan(debuts[numero], debuts[numero + 1] - debuts[numero]);
}

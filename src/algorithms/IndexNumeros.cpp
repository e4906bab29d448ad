#include "algorithms/IndexNumeros.h"

#include "model/TGraphe.h"

IndexNumeros::IndexNumeros(int32_t taille)
    : parNumero(static_cast<size_t>(taille > 0 ? taille : 0), nullptr),
      nommes(parNumero.size(), false),
      numeroParNom(parNumero.size())
{
}

IndexNumeros::IndexNumeros(const TGraphe& graphe, int32_t taille) : IndexNumeros(taille)
{
    int32_t position = 0;
    for (Sommet* s = graphe.PremierSommet(); s != nullptr; s = s->sommetSuivant, ++position)
        Ajouter(*s, s->valeur != 0 ? s->valeur : position, s->valeur != 0);
}

void IndexNumeros::Ajouter(Sommet& sommet, int32_t numero, bool numeroPropre)
{
    // Vertices come in list order, which reproduces SommetNumero for every
    // number: the first vertex whose number matches wins, and an unnumbered
    // later homonym answers with its elder's number, so it never wins.
    const bool aine = numeroParNom.Ajouter(sommet.nom, numero);
    if (numero < 0 || numero >= Taille() || parNumero[numero] != nullptr)
        return;
    if (numeroPropre || aine) {
        parNumero[numero] = &sommet;
        nommes[numero] = sommet.nom[0] != '\0';
    }
}

Sommet* IndexNumeros::SommetNumero(int32_t numero) const
{
    if (numero < 0 || numero >= Taille())
        return nullptr;
    return parNumero[numero];
}

int32_t IndexNumeros::Numero(const char (&nom)[kTailleNom]) const
{
    const std::optional<int32_t> numero = NumeroDonne(nom);
    return numero && *numero >= 0 && *numero < Taille() ? *numero : -1;
}

std::optional<int32_t> IndexNumeros::NumeroDonne(const char (&nom)[kTailleNom]) const
{
    const int32_t* numero = numeroParNom.Chercher(nom);
    return numero != nullptr ? std::optional<int32_t>(*numero) : std::nullopt;
}

ListesEntrantes::ListesEntrantes(const IndexNumeros& index) : debuts(static_cast<size_t>(index.Taille()) + 1, 0)
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

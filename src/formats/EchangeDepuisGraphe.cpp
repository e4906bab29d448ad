#include "formats/EchangeDepuisGraphe.h"

#include "model/Cp1252.h"
#include "model/TGraphe.h"

#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace {
// One arc record of a non-oriented graph, waiting for its mirror.
struct Demi {
    size_t cible;
    int32_t poids;
    bool pris = false;
};

// The chains of a non-oriented graph, consumed edge by edge: each step
// takes the first untaken record of two chains that name each other, as
// one call of AjouterArc would have appended them.
class AppariementAretes {
public:
    explicit AppariementAretes(std::vector<std::vector<Demi>> chaines_)
        : chaines(std::move(chaines_)), tetes(chaines.size(), 0)
    {
    }

    std::vector<ArcEchange> Aretes()
    {
        std::deque<size_t> aVoir;
        for (size_t s = 0; s < chaines.size(); ++s)
            aVoir.push_back(s);
        for (size_t reste = 0;;) {
            while (!aVoir.empty()) {
                const size_t s = aVoir.front();
                aVoir.pop_front();
                if (const auto autre = Apparier(s)) {
                    aVoir.push_back(s);
                    aVoir.push_back(*autre);
                }
            }
            // Stuck: records whose order no sequence of additions gives, or
            // without a mirror (a damaged file). The first one is written
            // anyway so that no edge is lost, and the walk goes on.
            while (reste < chaines.size() && Tete(reste) == nullptr)
                ++reste;
            if (reste == chaines.size())
                return aretes;
            Forcer(reste);
            aVoir.push_back(reste);
        }
    }

private:
    std::vector<std::vector<Demi>> chaines;
    std::vector<size_t> tetes;
    std::vector<ArcEchange> aretes;

    Demi* Tete(size_t s)
    {
        auto& chaine = chaines[s];
        while (tetes[s] < chaine.size() && chaine[tetes[s]].pris)
            ++tetes[s];
        return tetes[s] < chaine.size() ? &chaine[tetes[s]] : nullptr;
    }

    // The first untaken record of `s`'s chain from position `depuis` on
    // that goes to `cible` with `poids`.
    Demi* Chercher(size_t s, size_t depuis, size_t cible, int32_t poids)
    {
        auto& chaine = chaines[s];
        for (size_t i = depuis; i < chaine.size(); ++i) {
            if (!chaine[i].pris && chaine[i].cible == cible && chaine[i].poids == poids)
                return &chaine[i];
        }
        return nullptr;
    }

    // The untaken record that follows the head of `s`'s chain.
    Demi* Second(size_t s)
    {
        auto& chaine = chaines[s];
        for (size_t i = tetes[s] + 1; i < chaine.size(); ++i) {
            if (!chaine[i].pris)
                return &chaine[i];
        }
        return nullptr;
    }

    void Prendre(size_t origine, Demi& aller, Demi* retour)
    {
        aller.pris = true;
        if (retour != nullptr)
            retour->pris = true;
        aretes.push_back({origine, aller.cible, static_cast<double>(aller.poids)});
    }

    // Takes the edge at the head of `s`'s chain when its mirror heads the
    // other end's chain (right behind it for a loop); returns that end.
    std::optional<size_t> Apparier(size_t s)
    {
        Demi* aller = Tete(s);
        if (aller == nullptr)
            return std::nullopt;
        const size_t t = aller->cible;
        Demi* retour = t == s ? Second(s) : Tete(t);
        if (retour == nullptr || retour->cible != s || retour->poids != aller->poids)
            return std::nullopt;
        Prendre(s, *aller, retour);
        return t;
    }

    void Forcer(size_t s)
    {
        Demi& aller = *Tete(s);
        const size_t depuis = aller.cible == s ? tetes[s] + 1 : 0;
        Prendre(s, aller, Chercher(aller.cible, depuis, s, aller.poids));
    }
};
}  // namespace
GrapheEchange EchangeDepuisGraphe(const TGraphe& graphe)
{
    GrapheEchange echange;
    echange.oriente = graphe.Oriente();
    // An arc names its target; with homonyms the store reads the first.
    std::unordered_map<std::string, size_t> indices;
    for (const Sommet& s : graphe.Sommets()) {
        indices.try_emplace(s.nom, echange.sommets.size());
        SommetEchange sommet{Cp1252VersUtf8(s.nom), s.x, s.y, std::nullopt};
        if (s.valeur != 0)
            sommet.numero = s.valeur;
        echange.sommets.push_back(std::move(sommet));
    }
    std::vector<std::vector<Demi>> chaines;
    size_t origine = 0;
    for (const Sommet& s : graphe.Sommets()) {
        chaines.emplace_back();
        for (const Arc& a : Arcs(s)) {
            const auto cible = indices.find(a.nom);
            if (cible == indices.end())
                continue;
            if (graphe.Oriente())
                echange.arcs.push_back({origine, cible->second, static_cast<double>(a.valeur)});
            else
                chaines.back().push_back({cible->second, a.valeur});
        }
        ++origine;
    }
    if (!graphe.Oriente())
        echange.arcs = AppariementAretes(std::move(chaines)).Aretes();
    return echange;
}

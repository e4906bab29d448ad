#include "algorithms/Deroulement.h"

#include "algorithms/Chemins.h"
#include "algorithms/IndexNumeros.h"
#include "model/TGraphe.h"

#include <algorithm>

void Deroulement::Commencer(const TGraphe& graphe, const char* depart_, const char* arrivee_)
{
    *this = Deroulement(algorithme);
    for (const Sommet& s : graphe.Sommets()) {
        colonnes.emplace_back(s.nom);
        sommets.push_back(&s);
    }
    depart = depart_;
    arrivee = arrivee_;
    poidsInverses = graphe.PoidsInverses();
}

void Deroulement::Numeroter(const IndexNumeros& index)
{
    tropGrand = static_cast<int32_t>(colonnes.size()) > kSommetsMaxDeroulement;
    colonneDe.assign(static_cast<size_t>(index.Taille()), -1);
    if (tropGrand)
        return;
    for (int32_t numero = 0; numero < index.Taille(); ++numero) {
        const auto trouve = std::find(sommets.begin(), sommets.end(), index.SommetNumero(numero));
        if (trouve != sommets.end())
            colonneDe[size_t(numero)] = static_cast<int32_t>(trouve - sommets.begin());
    }
}

int32_t Deroulement::Colonne(int32_t numero) const
{
    return numero >= 0 && numero < static_cast<int32_t>(colonneDe.size()) ? colonneDe[size_t(numero)] : -1;
}

EtapeChemin Deroulement::Photographier(int32_t numero, const std::vector<int64_t>& distance,
                                       const std::vector<int32_t>& predecesseur) const
{
    EtapeChemin etape;
    etape.sommet = Colonne(numero);
    etape.distances.assign(colonnes.size(), kAucunSommet);
    etape.predecesseurs.assign(colonnes.size(), -1);
    for (size_t n = 0; n < colonneDe.size() && n < distance.size(); ++n) {
        const int32_t c = colonneDe[n];
        if (c < 0)
            continue;
        etape.distances[size_t(c)] = distance[n];
        etape.predecesseurs[size_t(c)] = Colonne(predecesseur[n]);
    }
    return etape;
}

void Deroulement::NoterReglement(int32_t numero, const std::vector<int64_t>& distance,
                                 const std::vector<int32_t>& predecesseur, const std::vector<bool>& regle)
{
    if (tropGrand)
        return;
    EtapeChemin etape = Photographier(numero, distance, predecesseur);
    etape.regles.assign(colonnes.size(), false);
    for (size_t n = 0; n < colonneDe.size() && n < regle.size(); ++n) {
        if (colonneDe[n] >= 0)
            etape.regles[size_t(colonneDe[n])] = regle[n];
    }
    chemins.push_back(std::move(etape));
}

void Deroulement::NoterAtteint(int32_t numero, const std::vector<int64_t>& distance,
                               const std::vector<int32_t>& predecesseur, int32_t arcOrigine, int32_t arcPoids)
{
    if (tropGrand)
        return;
    EtapeChemin etape = Photographier(numero, distance, predecesseur);
    etape.arcOrigine = Colonne(arcOrigine);
    etape.arcPoids = arcPoids;
    chemins.push_back(std::move(etape));
}

void Deroulement::NoterPasse(const std::vector<int64_t>& valeur, const std::vector<int32_t>& predecesseur)
{
    if (!tropGrand)
        chemins.push_back(Photographier(-1, valeur, predecesseur));
}

void Deroulement::NoterCircuitAbsorbant(const std::vector<int32_t>& numeros)
{
    circuit.emplace();
    for (const int32_t numero : numeros) {
        if (const int32_t c = Colonne(numero); c >= 0)
            circuit->push_back(c);
    }
}

void Deroulement::NoterArc(const char* origine, const char* cible, int32_t poids, bool garde, Raison raison)
{
    arbres.push_back({origine, cible, poids, garde, raison});
}

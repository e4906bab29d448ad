#include "FordChaine.h"

#include "Chrono.h"
#include "GrapheAleatoire.h"
#include "ServicesBanc.h"
#include "algorithms/Commandes.h"
#include "model/TGraphe.h"

#include <string>

double MesurerFordChaine(int n)
{
    GrapheGenere chaine;
    for (int i = 0; i < n; ++i) {
        chaine.noms.push_back("S" + std::to_string(i));
        chaine.positions.emplace_back(20 + 30 * (i % 100), 20 + 30 * (i / 100));
    }
    chaine.sortants.resize(size_t(n));
    for (int i = 0; i + 1 < n; ++i) {
        chaine.sortants[size_t(i)].push_back({i + 1, 1});
        for (int saut = 2; saut <= 5 && i + saut < n; ++saut)
            chaine.sortants[size_t(i)].push_back({i + saut, saut + 1});
    }
    ServicesBanc services;
    services.depart = chaine.noms.front();
    services.arrivee = chaine.noms.back();
    TGraphe graphe(services);
    Remplir(graphe, chaine);
    return Mesurer([&] { ExecuterCommande(graphe, Commande::FordMin); }, [&] { services.OublierResultats(); });
}

#include "algorithms/IndexSommets.h"
#include "algorithms/Numerotation.h"
#include "model/ListeNoms.h"
#include "model/TGraphe.h"

#include <vector>

// Breadth-first removal of sources. A vertex is numbered when it enters the
// queue, so the order is: the sources in list order, then each vertex when
// its last incoming arc is consumed, the queue served oldest first and each
// chain in its own order.
//
// Names resolve to their first bearer, as every lookup does: a later
// homonym read from a file keeps its full in-degree in `compteur`, since no
// arc decrements it. Each name enters the queue at most once (its counter
// reaches 0 once and never goes below), so the loop ends on any graph.
int32_t NumerotationTopologique(TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    const std::vector<int32_t> entrants = index.ArcsEntrants();
    int32_t numero = 1;
    ListeNoms file;
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        Sommet& sommet = index[i];
        sommet.valeur = 0;
        sommet.compteur = entrants[size_t(index.Porteur(i))];
        if (sommet.compteur == 0) {
            file.Inserer(sommet);
            sommet.valeur = numero++;
        }
    }
    char nom[kTailleNom];
    while (!file.EstVide()) {
        file.Premier(nom);
        for (const Arc* a = index[index.Position(nom)].arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t position = index.Position(a->nom);
            if (position < 0)
                continue;
            Sommet& cible = index[position];
            if (--cible.compteur == 0) {
                file.Inserer(*a);
                cible.valeur = numero++;
            }
        }
        file.Retirer(nom);
    }
    return numero;
}

bool SansCircuit(TGraphe& graphe)
{
    const int32_t resultat = NumerotationTopologique(graphe);
    for (Sommet& s : graphe.Sommets())
        s.valeur = 0;
    return resultat - 1 == graphe.NbSommets();
}

#include "algorithms/IndexSommets.h"
#include "algorithms/Numerotation.h"
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
// reaches 0 once and never goes below), so the loop ends on any graph, and
// the queue is the first bearers' positions in order of entry. The empty
// name never enters it, though its bearer is numbered.
int32_t NumerotationTopologique(TGraphe& graphe)
{
    const IndexSommets index(graphe.PremierSommet());
    const std::vector<int32_t> entrants = index.ArcsEntrants();
    int32_t numero = 1;
    std::vector<int32_t> file;
    file.reserve(size_t(index.Nombre()));
    const auto entrer = [&](int32_t porteur) {
        if (index[porteur].nom[0] != '\0')
            file.push_back(porteur);
        index[porteur].valeur = numero++;
    };
    for (int32_t i = 0; i < index.Nombre(); ++i) {
        Sommet& sommet = index[i];
        sommet.valeur = 0;
        sommet.compteur = entrants[size_t(index.Porteur(i))];
        if (sommet.compteur != 0)
            continue;
        // A later homonym's name is in the queue already, with its first bearer.
        if (index.Porteur(i) == i)
            entrer(i);
        else
            sommet.valeur = numero++;
    }
    for (size_t tete = 0; tete < file.size(); ++tete) {
        for (const Arc* a = index[file[tete]].arcSuivant; a != nullptr; a = a->arcSuivant) {
            const int32_t position = index.Position(a->nom);
            if (position >= 0 && --index[position].compteur == 0)
                entrer(position);
        }
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

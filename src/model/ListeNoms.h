#pragma once

#include "model/Sommet.h"

#include <cstdint>
#include <string>
#include <unordered_map>

// First-in first-out list of vertex names, never holding a name twice; the
// cycle test of the spanning trees uses it as its queue. It always ends in
// an empty node, so the empty name counts as contained and is never inserted.
class ListeNoms {
public:
    ListeNoms();
    ~ListeNoms();
    ListeNoms(const ListeNoms&) = delete;
    ListeNoms& operator=(const ListeNoms&) = delete;

    // Appends the name unless the list holds it already.
    void Inserer(const char* nom);
    void Inserer(const Sommet& sommet) { Inserer(sommet.nom); }
    // Copies the oldest name into `tampon` (empty when the list is).
    void Premier(char (&tampon)[kTailleNom]) const;
    // Removes the name wherever it stands; the others keep their order.
    void Retirer(const char* nom);
    void Retirer(const Sommet& sommet) { Retirer(sommet.nom); }
    bool EstVide() const { return nombre == 0; }
    bool Contient(const char* nom) const;
    bool Contient(const Sommet& sommet) const { return Contient(sommet.nom); }
    int32_t Nombre() const { return nombre; }

private:
    struct MaillonNom {
        char nom[kTailleNom] = {};
        MaillonNom* precedent = nullptr;
        MaillonNom* suivant = nullptr;
    };

    MaillonNom* dernier;  // the empty end node, newest side
    MaillonNom* premier;  // the oldest node (the end node when empty)
    int32_t nombre = 0;
    // Name to node, so that lookups do not walk the chain: the list serves as
    // a queue over every vertex of large graphs.
    std::unordered_map<std::string, MaillonNom*> index;
};

#pragma once

#include "model/Sommet.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Names to numbers for the lookups of one run. Every arc followed costs a
// lookup of its target's name, so the table is one flat array probed in
// place, each case holding a copy of its name: a lookup hashes and compares
// three words and, mostly, touches one case, where a node-based map
// allocates per name and reads the vertex record's name at every probe.
// Names compare as MemeNom compares them, on their first 19 bytes.
class TableNoms {
public:
    // Sized for `nombreNoms` names; it grows if more come.
    explicit TableNoms(size_t nombreNoms);

    // Gives `nom` its value unless it holds one already: the first entry of
    // a name stays, as lookups by name answer with the first bearer. True
    // when the name was new.
    bool Ajouter(const char (&nom)[kTailleNom], int32_t valeur) { return Inserer(nom, valeur).nouveau; }
    // The value of `nom`, given `valeur` first if the name was new: one
    // probe where Chercher then Ajouter would take two.
    int32_t Garder(const char (&nom)[kTailleNom], int32_t valeur) { return Inserer(nom, valeur).valeur; }
    // The value of `nom`, or null when the table does not hold it.
    const int32_t* Chercher(const char (&nom)[kTailleNom]) const;

private:
    // A name's first 19 bytes, zero-padded, then a byte set to 1 that no
    // name reaches, so that all zeros marks an empty case, even for the
    // empty name. Three words, with the value beside the last: 24 bytes a
    // case keeps a table of 10,000 names within the processor's cache.
    struct Cle {
        uint64_t debut[2];
        uint32_t fin;
    };
    struct Case {
        uint64_t debut[2] = {};
        uint32_t fin = 0;
        int32_t valeur = 0;

        bool Vide() const { return fin == 0; }
        bool Tient(const Cle& cle) const
        {
            return debut[0] == cle.debut[0] && debut[1] == cle.debut[1] && fin == cle.fin;
        }
    };

    std::vector<Case> cases;
    size_t nombre = 0;

    struct Insertion {
        int32_t valeur;  // the name's, old or new
        bool nouveau;
    };

    Insertion Inserer(const char (&nom)[kTailleNom], int32_t valeur);
    static Cle CleDe(const char (&nom)[kTailleNom]);
    // The case holding the key, or the empty case where it would go.
    size_t Place(const Cle& cle) const;
    void Agrandir();
};

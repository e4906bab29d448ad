#pragma once

#include <cstddef>
#include <vector>

class TGraphe;

// What a graph's file would hold, as compact bytes in memory: the
// orientation, then each vertex with its position and number followed by its
// chain, in list and chain order, each record laid out as in a ".gff" file.
// The file's path and the algorithms' marks and counters are left out: they
// are not the user's work. Taken after each change, it lets the change be
// undone and redone exactly.
class Instantane {
public:
    Instantane() = default;
    static Instantane Prendre(const TGraphe& graphe);
    // Rebuilds the graph's records as they were taken, in the same order,
    // with the same counters; its path, window and size stay as they are.
    void Restaurer(TGraphe& graphe) const;
    size_t Taille() const { return octets.size(); }
    friend bool operator==(const Instantane&, const Instantane&) = default;

private:
    friend class Retouche;
    std::vector<unsigned char> octets;
};

// One change between two snapshots, kept small: only the bytes between the
// start and the end the change left alone, as they were and as they became.
class Retouche {
public:
    Retouche(const Instantane& avant, const Instantane& apres);
    // `etat` must hold `apres`; it then holds `avant`.
    void Defaire(Instantane& etat) const;
    // `etat` must hold `avant`; it then holds `apres`.
    void Refaire(Instantane& etat) const;
    // The bytes the change keeps in memory.
    size_t Taille() const { return sizeof(*this) + anciens.size() + nouveaux.size(); }

private:
    size_t debut = 0;
    std::vector<unsigned char> anciens;
    std::vector<unsigned char> nouveaux;
};

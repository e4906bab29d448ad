#pragma once

#include "model/Sommet.h"

#include <cstddef>
#include <iterator>

// The records linked from `premier` through `suivant`, as a range of
// references for range-for and the standard algorithms. The next record is
// read when the iterator moves, so the body may change the current record's
// fields but must not free it.
template <Sommet* Sommet::*suivant>
class ListeChainee {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Sommet;
        using difference_type = std::ptrdiff_t;
        using pointer = Sommet*;
        using reference = Sommet&;

        iterator() = default;
        explicit iterator(Sommet* courant_) : courant(courant_) {}
        Sommet& operator*() const { return *courant; }
        Sommet* operator->() const { return courant; }
        iterator& operator++()
        {
            courant = courant->*suivant;
            return *this;
        }
        iterator operator++(int)
        {
            iterator avant = *this;
            ++*this;
            return avant;
        }
        friend bool operator==(iterator, iterator) = default;

    private:
        Sommet* courant = nullptr;
    };

    explicit ListeChainee(Sommet* premier_) : premier(premier_) {}
    iterator begin() const { return iterator(premier); }
    iterator end() const { return iterator(); }
    bool empty() const { return premier == nullptr; }

private:
    Sommet* premier;
};

// The vertices of a list, and the arcs of one vertex's chain (the vertex
// record itself excluded).
using PlageSommets = ListeChainee<&Sommet::sommetSuivant>;
using PlageArcs = ListeChainee<&Sommet::arcSuivant>;

inline PlageArcs Arcs(const Sommet& sommet)
{
    return PlageArcs(sommet.arcSuivant);
}

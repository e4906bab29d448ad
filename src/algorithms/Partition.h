#pragma once

#include <vector>

// Disjoint classes of the integers 0, 1, 2, ... (union-find), each knowing
// its smallest element.
class Partition {
public:
    explicit Partition(int taille = 0);

    // Appends a new element alone in its class and returns it.
    int Ajouter();
    int Representant(int element);
    bool MemeClasse(int a, int b) { return Representant(a) == Representant(b); }
    void Unir(int a, int b);
    int PlusPetit(int element) { return plusPetit[Representant(element)]; }
    int Taille() const { return static_cast<int>(parent.size()); }

private:
    std::vector<int> parent;
    std::vector<int> effectif;
    std::vector<int> plusPetit;
};

#pragma once

#include "model/Sommet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Layout of a ".gff" file: little-endian int32, fixed-size records.
namespace gff {
constexpr char kSignature[] = "Graph File Format";
constexpr size_t kTailleSignature = 18;
constexpr size_t kTailleChemin = 80;
constexpr size_t kTailleEntete = kTailleSignature + 4 + 4 + 1 + kTailleChemin;  // 107
constexpr size_t kTailleEnregistrement = kTailleNom + 3 * 4;                    // 32

// Appends to a byte buffer in the file's layout.
void AjouterEntier(std::vector<unsigned char>& tampon, int32_t valeur);
void AjouterTexte(std::vector<unsigned char>& tampon, const char* texte, size_t taille);
void AjouterEnregistrement(std::vector<unsigned char>& tampon, const Sommet& enregistrement);

int32_t LireEntier(const unsigned char* octets);
// A text field: cut at its first zero byte, or at taille - 1 bytes.
std::string LireTexte(const unsigned char* octets, size_t taille);
// Fills name, x, y and valeur of `enregistrement` from 32 bytes.
void LireEnregistrement(const unsigned char* octets, Sommet& enregistrement);
// Hands out a file's bytes in order, never past their end.
class Curseur {
public:
    explicit Curseur(const std::vector<unsigned char>& octets) : debut(octets.data()), reste(octets.size()) {}
    // The next `taille` bytes, or null when fewer remain.
    const unsigned char* Prendre(size_t taille)
    {
        if (reste < taille)
            return nullptr;
        const unsigned char* morceau = debut;
        debut += taille;
        reste -= taille;
        return morceau;
    }

private:
    const unsigned char* debut;
    size_t reste;
};
}  // namespace gff

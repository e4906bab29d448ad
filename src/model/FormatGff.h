#pragma once

#include "model/Sommet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FichierVerrouille;

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
// Hands out a file's bytes in order, never past their end, reading one
// block at a time: whatever the file's size, only the block is held, and a
// file that is not a graph is refused after its first bytes.
class Curseur {
public:
    explicit Curseur(FichierVerrouille& source) : fichier(source), bloc(kTailleBloc) {}
    // The next `taille` bytes (at most a block), or null when fewer remain;
    // valid until the next call.
    const unsigned char* Prendre(size_t taille);

private:
    static constexpr size_t kTailleBloc = 65536;
    FichierVerrouille& fichier;
    std::vector<unsigned char> bloc;
    size_t debut = 0;  // the first byte not handed out
    size_t fin = 0;    // past the last byte read
};
}  // namespace gff

#pragma once

#include <cstddef>
#include <string>

// An open file descriptor holding an advisory lock (flock), so that one
// process never reads a graph file while another one writes it. Closing
// releases the lock.
class FichierVerrouille {
public:
    enum class Mode { Lecture, Ecriture };

    // Opens `chemin` (creating it for writing when missing; for reading,
    // only a regular file) and takes a shared lock for reading or an
    // exclusive one for writing, without waiting. `Ouvert()` tells whether
    // both succeeded.
    FichierVerrouille(const std::string& chemin, Mode mode);
    ~FichierVerrouille();
    FichierVerrouille(const FichierVerrouille&) = delete;
    FichierVerrouille& operator=(const FichierVerrouille&) = delete;

    bool Ouvert() const { return descripteur >= 0; }
    bool ACree() const { return cree; }
    int Descripteur() const { return descripteur; }

    // Reads up to `taille` bytes, retrying short reads; returns the count.
    size_t Lire(void* tampon, size_t taille);

private:
    int descripteur = -1;
    bool cree = false;
};

// Writes all of `taille` bytes to `descripteur`; false on any failure.
bool EcrireTout(int descripteur, const void* donnees, size_t taille);

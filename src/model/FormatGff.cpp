#include "model/FormatGff.h"

#include "model/FichierVerrouille.h"

#include <cstring>

namespace gff {

void AjouterEntier(std::vector<unsigned char>& tampon, int32_t valeur)
{
    const auto brut = static_cast<uint32_t>(valeur);
    for (int decalage = 0; decalage < 32; decalage += 8)
        tampon.push_back(static_cast<unsigned char>(brut >> decalage));
}

void AjouterTexte(std::vector<unsigned char>& tampon, const char* texte, size_t taille)
{
    // Bytes after the terminator are written as zeros, never as leftovers.
    const size_t longueur = strnlen(texte, taille - 1);
    tampon.insert(tampon.end(), texte, texte + longueur);
    tampon.insert(tampon.end(), taille - longueur, 0);
}

void AjouterEnregistrement(std::vector<unsigned char>& tampon, const Sommet& enregistrement)
{
    AjouterTexte(tampon, enregistrement.nom, kTailleNom);
    AjouterEntier(tampon, enregistrement.x);
    AjouterEntier(tampon, enregistrement.y);
    AjouterEntier(tampon, enregistrement.valeur);
}

int32_t LireEntier(const unsigned char* octets)
{
    uint32_t brut = 0;
    for (int i = 3; i >= 0; --i)
        brut = (brut << 8) | octets[i];
    return static_cast<int32_t>(brut);
}

std::string LireTexte(const unsigned char* octets, size_t taille)
{
    const auto* texte = reinterpret_cast<const char*>(octets);
    return std::string(texte, strnlen(texte, taille - 1));
}

void LireEnregistrement(const unsigned char* octets, Sommet& enregistrement)
{
    CopierNom(enregistrement.nom, LireTexte(octets, kTailleNom).c_str());
    enregistrement.x = LireEntier(octets + kTailleNom);
    enregistrement.y = LireEntier(octets + kTailleNom + 4);
    enregistrement.valeur = LireEntier(octets + kTailleNom + 8);
}

const unsigned char* Curseur::Prendre(size_t taille)
{
    if (fin - debut < taille) {
        std::memmove(bloc.data(), bloc.data() + debut, fin - debut);
        fin -= debut;
        debut = 0;
        fin += fichier.Lire(bloc.data() + fin, bloc.size() - fin);
        if (fin < taille)
            return nullptr;
    }
    const unsigned char* morceau = bloc.data() + debut;
    debut += taille;
    return morceau;
}

}  // namespace gff

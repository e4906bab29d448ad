#include "model/ListeNoms.h"

ListeNoms::ListeNoms() : dernier(new MaillonNom), premier(dernier) {}

ListeNoms::~ListeNoms()
{
    for (MaillonNom* maillon = premier; maillon != nullptr;) {
        MaillonNom* suivant = maillon->suivant;
        delete maillon;
        maillon = suivant;
    }
}

void ListeNoms::Inserer(const char* nom)
{
    if (Contient(nom))
        return;
    MaillonNom* rempli = dernier;
    CopierNom(rempli->nom, nom);
    dernier = new MaillonNom;
    dernier->precedent = rempli;
    rempli->suivant = dernier;
    index.emplace(rempli->nom, rempli);
    ++nombre;
}

void ListeNoms::Premier(char (&tampon)[kTailleNom]) const
{
    CopierNom(tampon, premier->nom);
}

void ListeNoms::Retirer(const char* nom)
{
    char cle[kTailleNom];
    CopierNom(cle, nom);
    const auto trouve = index.find(cle);
    if (trouve == index.end())
        return;
    MaillonNom* maillon = trouve->second;
    index.erase(trouve);
    maillon->suivant->precedent = maillon->precedent;
    if (maillon->precedent != nullptr)
        maillon->precedent->suivant = maillon->suivant;
    else
        premier = maillon->suivant;
    delete maillon;
    --nombre;
}

bool ListeNoms::Contient(const char* nom) const
{
    // Names are compared as they would be stored: cut to 19 bytes.
    char cle[kTailleNom];
    CopierNom(cle, nom);
    return cle[0] == '\0' || index.count(cle) != 0;
}

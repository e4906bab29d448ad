#include "model/RemplissageGraphe.h"

#include "model/TGraphe.h"

RemplissageGraphe::RemplissageGraphe(TGraphe& graphe_) : graphe(graphe_)
{
    for (Sommet& s : graphe.Sommets())
        Indexer(&s);
}

void RemplissageGraphe::Indexer(Sommet* sommet)
{
    // A file may repeat a name: the later vertex becomes that name's last
    // bearer, as the store's own walks would find it.
    const auto nouveau = static_cast<int32_t>(porteurs.size());
    const int32_t numero = numeros.Garder(sommet->nom, nouveau);
    if (numero == nouveau)
        porteurs.push_back({sommet, sommet});
    else
        porteurs[size_t(numero)].dernier = sommet;
    dernierSommet = sommet;
}

const RemplissageGraphe::Porteurs* RemplissageGraphe::Chercher(const char* nom) const
{
    char cle[kTailleNom];
    CopierNom(cle, nom);
    const int32_t* numero = numeros.Chercher(cle);
    return numero != nullptr ? &porteurs[size_t(*numero)] : nullptr;
}

void RemplissageGraphe::AjouterSommet(const char* nom, int32_t x, int32_t y)
{
    if (Chercher(nom) != nullptr) {
        // The store refuses it with its own message.
        graphe.AjouterSommet(nom, x, y);
        return;
    }
    Indexer(&graphe.AccrocherSommet(dernierSommet, nom, x, y));
}

void RemplissageGraphe::AjouterArc(const char* origine, const char* cible, int32_t poids)
{
    const Porteurs* depart = Chercher(origine);
    const Porteurs* arrivee = Chercher(cible);
    if (depart == nullptr || arrivee == nullptr) {
        graphe.AjouterArc(origine, cible, poids);
        return;
    }
    Sommet& de = *depart->dernier;
    const Sommet& vers = *arrivee->premier;
    Relier(de, vers, poids);
    // The other direction, between the bearers that the names of the two
    // ends designate, as the store's mirrored call finds them.
    if (!graphe.Oriente())
        Relier(*Chercher(vers.nom)->dernier, *Chercher(de.nom)->premier, poids);
}

void RemplissageGraphe::Relier(Sommet& depart, const Sommet& arrivee, int32_t poids)
{
    Arc*& fin = FinDeChaine(depart);
    fin = &graphe.AccrocherArc(*fin, arrivee, poids);
}

Arc*& RemplissageGraphe::FinDeChaine(Sommet& sommet)
{
    const auto [place, nouveau] = finsDeChaine.try_emplace(&sommet, &sommet);
    if (nouveau) {
        while (place->second->arcSuivant != nullptr)
            place->second = place->second->arcSuivant;
    }
    return place->second;
}

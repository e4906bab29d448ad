#include "algorithms/IndexNoms.h"

#include "model/TGraphe.h"

IndexNoms::IndexNoms(const TGraphe& graphe)
{
    for (Sommet* s = graphe.premierSommet; s != nullptr; s = s->sommetSuivant) {
        if (numeros.emplace(s->nom, Nombre()).second)
            porteurs.push_back(s);
    }
}

int IndexNoms::Numero(std::string_view nom) const
{
    const auto trouve = numeros.find(nom);
    return trouve != numeros.end() ? trouve->second : -1;
}

Sommet* IndexNoms::Premier(std::string_view nom) const
{
    const int numero = Numero(nom);
    return numero >= 0 ? porteurs[numero] : nullptr;
}

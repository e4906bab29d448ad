#include "algorithms/ArcsParPoids.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Kruskal.h"
#include "algorithms/Partition.h"
#include "model/RemplissageGraphe.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {
// The tree window as its cycle test sees it, kept up to date so that a step
// need not rerun that test. The test walks breadth-first along the arcs and
// restarts from the first unreached vertex in list order; it finds nothing
// exactly when every vertex has at most one incoming arc, there is no
// circuit, and every tree's root comes before the rest of its tree in the
// vertex list (a tree entered below its root is met again from the root).
// Vertices are numbered in list order, which is the order of acceptance, so
// a tree's root is the smallest number of its class.
class ForetDuResultat {
public:
    struct Ajout {
        bool accepte = false;
        bool origineNouvelle = false;
        bool cibleNouvelle = false;
    };

    // Whether the arc keeps the window free of cycles; if so it is recorded,
    // with the ends that it brings in.
    Ajout Accepter(std::string_view origine, std::string_view cible)
    {
        Ajout ajout;
        // A loop closes a cycle at once.
        if (origine == cible)
            return ajout;
        const int indiceOrigine = Indice(origine);
        const int indiceCible = Indice(cible);
        if (indiceCible >= 0 && aUnParent[indiceCible])
            return ajout;
        // New ends would join the list in this order, origin first.
        int suivant = arbres.Taille();
        const int racine = indiceOrigine >= 0 ? arbres.PlusPetit(indiceOrigine) : suivant++;
        const int positionCible = indiceCible >= 0 ? indiceCible : suivant;
        // The target roots its own tree; it must come after the origin's root.
        if (racine >= positionCible)
            return ajout;

        ajout = {true, indiceOrigine < 0, indiceCible < 0};
        const int o = ajout.origineNouvelle ? Creer(origine) : indiceOrigine;
        const int c = ajout.cibleNouvelle ? Creer(cible) : indiceCible;
        aUnParent[c] = true;
        arbres.Unir(o, c);
        return ajout;
    }

private:
    std::unordered_map<std::string_view, int> indices;
    std::vector<bool> aUnParent;
    Partition arbres;

    int Indice(std::string_view nom) const
    {
        const auto trouve = indices.find(nom);
        return trouve != indices.end() ? trouve->second : -1;
    }
    int Creer(std::string_view nom)
    {
        const int indice = arbres.Ajouter();
        indices.emplace(nom, indice);
        aUnParent.push_back(false);
        return indice;
    }
};

int32_t Oppose(int32_t poids)
{
    return static_cast<int32_t>(0u - static_cast<uint32_t>(poids));
}
}  // namespace

void Kruskal1(TGraphe& graphe)
{
    TGraphe& arbre = graphe.Fenetre().CreerFenetreResultat();
    RemplissageGraphe remplissage(arbre);
    const std::vector<ArcDuGraphe> arcs = TousLesArcs(graphe);
    for (const ArcDuGraphe& a : arcs)
        a.arc->marque = false;
    const std::vector<int> ordre = OrdreDesChoix(arcs);
    const IndexSommets sommets(graphe.PremierSommet());
    ForetDuResultat foret;

    // A run makes one step per arc of the graph; steps beyond the arcs that
    // can be picked find nothing and do nothing.
    const size_t pas = std::min(ordre.size(), static_cast<size_t>(std::max(graphe.NbArcs(), 0)));
    for (size_t k = 0; k < pas; ++k) {
        const auto [arc, origine] = arcs[ordre[k]];
        // The arc marked is the one picked, not merely the first between the
        // same ends, so that parallel arcs are each considered once.
        arc->marque = true;
        const auto ajout = foret.Accepter(origine->nom, arc->nom);
        if (!ajout.accepte)
            continue;
        if (ajout.origineNouvelle) {
            const Sommet& u = sommets[sommets.Position(origine->nom)];
            remplissage.AjouterSommet(origine->nom, u.x, u.y);
        }
        if (ajout.cibleNouvelle)
            remplissage.AjouterSommet(arc->nom, arc->x, arc->y);
        remplissage.AjouterArc(origine->nom, arc->nom, graphe.PoidsInverses() ? Oppose(arc->valeur) : arc->valeur);
    }
    arbre.AjusterFenetre();
}

void CommandeKruskal1(TGraphe& graphe, bool arbreMinimum)
{
    // The run keeps the heaviest arcs; the least tree is the heaviest one of
    // the negated weights.
    if (arbreMinimum)
        graphe.InverserPoids();
    Kruskal1(graphe);
    if (arbreMinimum)
        graphe.InverserPoids();
    graphe.Fenetre().Redessiner();
}

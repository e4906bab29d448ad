#include "algorithms/ArcsParPoids.h"
#include "algorithms/EtapesKruskal.h"
#include "algorithms/IndexSommets.h"
#include "algorithms/Kruskal.h"
#include "algorithms/Partition.h"
#include "model/Avancement.h"
#include "model/RemplissageGraphe.h"
#include "model/TableNoms.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
struct Ajout {
    bool accepte = false;
    bool origineNouvelle = false;
    bool cibleNouvelle = false;
};

// The ends of the arcs, each name numbered once (names compare on their
// first 19 bytes), so that both runs below compare and index numbers rather
// than look names up. In list order, an origin's arcs come together and it
// is looked up once.
struct Extremites {
    int32_t origine;
    int32_t cible;
};
struct NomsNumerotes {
    std::vector<Extremites> parArc;  // by position in the arcs
    int32_t nombre = 0;
};

NomsNumerotes NumeroterNoms(const std::vector<ArcDuGraphe>& arcs, int32_t nombreSommets)
{
    NomsNumerotes noms;
    noms.parArc.reserve(arcs.size());
    TableNoms table(size_t(std::max(nombreSommets, 0)));
    const auto numero = [&](const char(&nom)[kTailleNom]) {
        const int32_t donne = table.Garder(nom, noms.nombre);
        if (donne == noms.nombre)
            ++noms.nombre;
        return donne;
    };
    const Sommet* origine = nullptr;
    int32_t numeroOrigine = -1;
    for (const ArcDuGraphe& a : arcs) {
        if (a.origine != origine) {
            origine = a.origine;
            numeroOrigine = numero(origine->nom);
        }
        noms.parArc.push_back({numeroOrigine, numero(a.arc->nom)});
    }
    return noms;
}

// The tree window's vertices by name number, numbered in the order they
// come in, each in the class of the tree that holds it.
class SommetsDeLaFenetre {
public:
    explicit SommetsDeLaFenetre(int32_t nombreNoms) : indices(size_t(nombreNoms), -1) {}

protected:
    Partition arbres;

    int Indice(int32_t nom) const { return indices[size_t(nom)]; }
    int Creer(int32_t nom)
    {
        indices[size_t(nom)] = arbres.Ajouter();
        return indices[size_t(nom)];
    }

private:
    std::vector<int> indices;  // by name number; -1 while not in the window
};

// The tree window as its cycle test sees it, kept up to date so that a step
// need not rerun that test. The test walks breadth-first along the arcs and
// restarts from the first unreached vertex in list order; it finds nothing
// exactly when every vertex has at most one incoming arc, there is no
// circuit, and every tree's root comes before the rest of its tree in the
// vertex list (a tree entered below its root is met again from the root).
// Vertices are numbered in list order, which is the order of acceptance, so
// a tree's root is the smallest number of its class.
class ForetDuResultat : SommetsDeLaFenetre {
public:
    using SommetsDeLaFenetre::SommetsDeLaFenetre;

    // Whether the arc keeps the window free of cycles; if so it is recorded,
    // with the ends that it brings in.
    Ajout Accepter(int32_t origine, int32_t cible)
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
        aUnParent.resize(size_t(arbres.Taille()), false);
        aUnParent[c] = true;
        arbres.Unir(o, c);
        return ajout;
    }

private:
    std::vector<bool> aUnParent;
};

// Kruskal's own rule: an arc is kept when its ends are not yet joined in the
// window, whichever way the window's arcs point.
class ForetDeKruskal : SommetsDeLaFenetre {
public:
    using SommetsDeLaFenetre::SommetsDeLaFenetre;

    Ajout Accepter(int32_t origine, int32_t cible)
    {
        const int indiceOrigine = Indice(origine);
        const int indiceCible = Indice(cible);
        const bool joints = indiceOrigine >= 0 && indiceCible >= 0 && arbres.MemeClasse(indiceOrigine, indiceCible);
        if (origine == cible || joints)
            return {};
        const Ajout ajout{true, indiceOrigine < 0, indiceCible < 0};
        const int o = ajout.origineNouvelle ? Creer(origine) : indiceOrigine;
        const int c = ajout.cibleNouvelle ? Creer(cible) : indiceCible;
        arbres.Unir(o, c);
        return ajout;
    }
};

struct Retenu {
    ArcDuGraphe arc;
    Ajout ajout;
};

struct Foret {
    std::vector<Retenu> retenus;
    int64_t poids = 0;  // as the run sees the weights
};

template <class Regle>
Foret Retenir(const std::vector<ArcDuGraphe>& arcs, const std::vector<int>& choix, const NomsNumerotes& noms,
              Avancement& avancement)
{
    Regle regle(noms.nombre);
    Foret foret;
    for (const int i : choix) {
        avancement.Avancer();
        const ArcDuGraphe& a = arcs[size_t(i)];
        const Extremites& extremites = noms.parArc[size_t(i)];
        const Ajout ajout = regle.Accepter(extremites.origine, extremites.cible);
        if (ajout.accepte) {
            foret.retenus.push_back({a, ajout});
            foret.poids += a.arc->valeur;
        }
    }
    return foret;
}

void Noter(Deroulement& deroulement, const TGraphe& graphe, const std::vector<ArcDuGraphe>& arcs,
           const std::vector<int>& choix, const std::vector<Retenu>& retenus)
{
    std::vector<bool> gardes;
    auto retenu = retenus.begin();
    // The arcs kept come in the order of the picks.
    for (const int i : choix) {
        const bool garde = retenu != retenus.end() && retenu->arc.arc == arcs[size_t(i)].arc;
        gardes.push_back(garde);
        retenu += garde ? 1 : 0;
    }
    deroulement.Commencer(graphe);
    NoterArcsConsideres(deroulement, arcs, choix, gardes, Raison::SansCycle, Raison::FermeUnCycle);
}

int32_t Oppose(int32_t poids)
{
    return static_cast<int32_t>(0u - static_cast<uint32_t>(poids));
}
}  // namespace

void Kruskal1(TGraphe& graphe, Deroulement* deroulement)
{
    const std::vector<ArcDuGraphe> arcs = TousLesArcs(graphe);
    for (const ArcDuGraphe& a : arcs)
        a.arc->marque = false;
    // A run makes one step per arc of the graph; steps beyond the arcs that
    // can be picked find nothing and do nothing. The arc marked is the one
    // picked, not merely the first between the same ends, so that parallel
    // arcs are each considered once.
    std::vector<int> choix = OrdreDesChoix(arcs);
    choix.resize(std::min(choix.size(), static_cast<size_t>(std::max(graphe.NbArcs(), 0))));
    for (const int i : choix)
        arcs[size_t(i)].arc->marque = true;

    // The cycle test refuses more than cycles: an arc into a vertex that
    // already has a parent, or into the root of a tree listed earlier. Its
    // tree is kept only when no better one exists over as many arcs; the
    // user asked for a tree of greatest weight.
    Avancement avancement(graphe.Fenetre(), 2 * choix.size());
    const NomsNumerotes noms = NumeroterNoms(arcs, graphe.NbSommets());
    const Foret parCycles = Retenir<ForetDuResultat>(arcs, choix, noms, avancement);
    const Foret parKruskal = Retenir<ForetDeKruskal>(arcs, choix, noms, avancement);
    const bool aussiBonne =
        parCycles.retenus.size() == parKruskal.retenus.size() && parCycles.poids == parKruskal.poids;
    const std::vector<Retenu>& retenus = aussiBonne ? parCycles.retenus : parKruskal.retenus;
    if (deroulement != nullptr)
        Noter(*deroulement, graphe, arcs, choix, retenus);

    // Opened once the run can no longer be stopped: a stopped run leaves
    // no window behind.
    TGraphe& arbre = graphe.Fenetre().CreerFenetreResultat();
    const IndexSommets sommets(graphe.PremierSommet());
    RemplissageGraphe remplissage(arbre);
    for (const auto& [a, ajout] : retenus) {
        const auto [arc, origine] = a;
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

void CommandeKruskal1(TGraphe& graphe, bool arbreMinimum, Deroulement* deroulement)
{
    // The run keeps the heaviest arcs; the least tree is the heaviest one of
    // the negated weights.
    if (arbreMinimum)
        graphe.InverserPoids();
    Kruskal1(graphe, deroulement);
    if (arbreMinimum)
        graphe.InverserPoids();
    graphe.Fenetre().Redessiner();
}

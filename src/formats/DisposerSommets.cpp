#include "formats/DisposerSommets.h"

#include "formats/SessionGraphviz.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Point {
    double x = 0;
    double y = 0;
};

// The spacing aimed at is a little above the minimum, so that rounding to
// whole pixels cannot bring two vertices under it.
constexpr double kEcartVise = kEcartMinimal + 2;
constexpr double kPasGrille = 2 * kEcartMinimal;
constexpr const char* kGraine = "1";
constexpr double kPointsParPouce = 72;

char* Texte(const char* texte)
{
    return const_cast<char*>(texte);
}

bool ToutesPlacees(const GrapheEchange& graphe)
{
    return std::all_of(graphe.sommets.begin(), graphe.sommets.end(),
                       [](const SommetEchange& s) { return s.x.has_value() && s.y.has_value(); });
}

std::vector<Point> Grille(size_t n)
{
    const auto colonnes = static_cast<size_t>(std::ceil(std::sqrt(static_cast<double>(n))));
    std::vector<Point> points;
    for (size_t i = 0; i < n; ++i)
        points.push_back(
            {static_cast<double>(i % colonnes) * kPasGrille, static_cast<double>(i / colonnes) * kPasGrille});
    return points;
}

// One context for the whole process: making one reads Graphviz's plugin
// configuration, and freeing it loses part of what that read.
GVC_t* Contexte()
{
    static GVC_t* const contexte = gvContext();
    return contexte;
}

// Graphviz's points, y turned downwards; empty when Graphviz fails.
std::vector<Point> Graphviz(const GrapheEchange& graphe)
{
    SessionGraphviz session;
    GVC_t* gvc = Contexte();
    SessionGraphviz::Graphe g(agopen(Texte("disposition"), Agundirected, nullptr));
    agattr(g.get(), AGRAPH, Texte("start"), Texte(kGraine));
    // Nodes as discs of the spacing aimed at, kept apart by Graphviz's own
    // overlap removal: scaling the whole picture for one close pair would
    // blow it up.
    agattr(g.get(), AGRAPH, Texte("overlap"), Texte("false"));
    agattr(g.get(), AGRAPH, Texte("maxiter"), Texte("100"));
    agattr(g.get(), AGNODE, Texte("shape"), Texte("circle"));
    agattr(g.get(), AGNODE, Texte("fixedsize"), Texte("true"));
    agattr(g.get(), AGNODE, Texte("label"), Texte(""));
    const std::string diametre = std::to_string(kEcartVise / kPointsParPouce);
    agattr(g.get(), AGNODE, Texte("width"), Texte(diametre.c_str()));
    agattr(g.get(), AGNODE, Texte("height"), Texte(diametre.c_str()));
    std::vector<Agnode_t*> noeuds;
    for (size_t i = 0; i < graphe.sommets.size(); ++i)
        noeuds.push_back(agnode(g.get(), Texte(std::to_string(i).c_str()), 1));
    for (const ArcEchange& a : graphe.arcs)
        if (a.origine < noeuds.size() && a.cible < noeuds.size() && a.origine != a.cible)
            agedge(g.get(), noeuds[a.origine], noeuds[a.cible], nullptr, 1);
    std::vector<Point> points;
    const char* moteur = graphe.sommets.size() <= kSommetsMaxNeato ? "neato" : "sfdp";
    // sfdp and the overlap removal draw from the C library's generators
    // without seeding them: seeded here, the same graph gets the same
    // picture within a process as across processes.
    std::srand(1);
    srand48(1);
    if (gvLayout(gvc, g.get(), moteur) != 0)
        return points;
    for (Agnode_t* n : noeuds)
        points.push_back({ND_coord(n).x, -ND_coord(n).y});
    gvFreeLayout(gvc, g.get());
    return points;
}

double EcartLePlusPetit(const std::vector<Point>& points)
{
    double ecart = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < points.size(); ++i)
        for (size_t j = i + 1; j < points.size(); ++j)
            ecart = std::min(ecart, std::hypot(points[i].x - points[j].x, points[i].y - points[j].y));
    return ecart;
}

// Spread to the spacing aimed at, never shrunk, then moved to the margin.
void Cadrer(std::vector<Point>& points)
{
    const double ecart = EcartLePlusPetit(points);
    const double echelle = ecart < kEcartVise ? kEcartVise / ecart : 1.0;
    double gauche = std::numeric_limits<double>::infinity();
    double haut = std::numeric_limits<double>::infinity();
    for (const Point& p : points) {
        gauche = std::min(gauche, p.x * echelle);
        haut = std::min(haut, p.y * echelle);
    }
    for (Point& p : points) {
        p.x = std::round(p.x * echelle - gauche + kMarge);
        p.y = std::round(p.y * echelle - haut + kMarge);
    }
}

}  // namespace

void DisposerSommets(GrapheEchange& graphe)
{
    if (ToutesPlacees(graphe))
        return;
    const size_t n = graphe.sommets.size();
    std::vector<Point> points = n <= kSommetsMaxDisposition ? Graphviz(graphe) : std::vector<Point>{};
    // Two vertices on the same spot cannot be spread apart by scaling.
    if (points.size() != n || EcartLePlusPetit(points) == 0)
        points = Grille(n);
    Cadrer(points);
    for (size_t i = 0; i < n; ++i) {
        graphe.sommets[i].x = points[i].x;
        graphe.sommets[i].y = points[i].y;
    }
}

#include "DijkstraBoost.h"

#include "Chrono.h"

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>

double MesurerDijkstraBoost(const GrapheGenere& graphe, int source)
{
    using namespace boost;
    using Graphe = adjacency_list<vecS, vecS, directedS, no_property, property<edge_weight_t, int>>;
    Graphe g(graphe.noms.size());
    for (size_t v = 0; v < graphe.sortants.size(); ++v) {
        for (const ArcGenere& arc : graphe.sortants[v])
            add_edge(v, size_t(arc.cible), arc.poids, g);
    }
    std::vector<int> distances(num_vertices(g));
    std::vector<Graphe::vertex_descriptor> predecesseurs(num_vertices(g));
    return Mesurer([&] {
        dijkstra_shortest_paths(g, vertex(size_t(source), g),
                                predecessor_map(predecesseurs.data()).distance_map(distances.data()));
    });
}

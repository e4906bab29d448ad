#pragma once

// Ford (min) from the first to the last vertex of a chain of n vertices with
// weight-1 arcs, each vertex also reaching the next four to six by heavier
// side arcs: the shortest path runs the whole chain. Median seconds.
double MesurerFordChaine(int n);

#pragma once

#include <map>
#include <string>

// The desktop's costs on real widgets (offscreen): opening a file into a
// window of the frame, until it has painted; one pointer move while an arc
// is dragged (the rubber band) and one step of a moved vertex, each with the
// repaint it causes; the repaint of a part uncovered by scrolling. Median
// seconds by row name.
std::map<std::string, double> MesurerBureau(const std::string& fichier, const std::string& filtre);

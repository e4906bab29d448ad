#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class Canevas;
class TGraphe;

// The printed page on a canvas of `largeur` by `hauteur` device pixels: the
// file path framed at the top, every outline with a black one-pixel pen set
// first, the graph scaled so that the window's present
// client width fills half the page width, the report below it. Fits the
// window to its graph first (a repaint), and the report clears the vertex
// numbers once the page has drawn them.
void DessinerPage(TGraphe& graphe, Canevas& canevas, int32_t largeur, int32_t hauteur);

// The file name with its extension replaced by `extension` (".bmp" for the
// bitmap export); `extension` alone for a graph never saved.
std::string NomExport(const TGraphe& graphe, std::string_view extension);

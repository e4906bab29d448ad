#pragma once

#include <QString>

class QPrinter;
class TGraphe;

// Prints the page once per copy asked of `imprimante`: to a printer, one
// one-page job titled "Graphe" per copy; to a file, one page per copy in
// that file, since separate jobs would overwrite each other. Returns the
// platform's error text, empty on success.
QString ImprimerGraphe(TGraphe& graphe, QPrinter& imprimante);

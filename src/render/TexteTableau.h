#pragma once

#include "algorithms/TableauDeroulement.h"

#include <string>

// A table of steps written out, header row first, every line ending in "\n".

// Columns padded to their widest cell, two spaces apart, then the notes:
// for a terminal.
std::string TexteAligne(const TableauDeroulement& tableau);
// Cells separated by tabs: what a spreadsheet takes from the clipboard.
std::string TexteTabule(const TableauDeroulement& tableau);
// Cells separated by semicolons, the separator French spreadsheets expect,
// quoted where needed.
std::string TexteCsv(const TableauDeroulement& tableau);
// A LaTeX `tabular`, the notes as comments after it.
std::string TexteLatex(const TableauDeroulement& tableau);

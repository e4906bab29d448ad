#pragma once

#include <string>
#include <vector>

// The store's names for the exchange's UTF-8 names, in the same order:
// Windows-1252 ("?" for a character the code page lacks, and for a zero
// byte), at most 19 bytes, never empty, each one unique, a suffix "~2",
// "~3"... telling apart those that met after cutting. Each name changed
// adds a French line to `adaptations`.
std::vector<std::string> AdapterNoms(const std::vector<std::string>& noms, std::vector<std::string>& adaptations);

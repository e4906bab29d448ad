#pragma once

#include "model/Sommet.h"

#include <QString>

#include <string>
#include <string_view>

// Vertex names are stored as Windows-1252 bytes; Qt shows and edits
// QString. These convert between the two with the code page's own table.

// Every byte has a character (the five the code page leaves undefined
// become C1 controls), so any stored name displays and converts back
// unchanged.
QString DepuisCp1252(std::string_view octets);
// Characters the code page lacks become '?'.
std::string VersCp1252(const QString& texte);

// The name held in a buffer: up to its first NUL, at most 20 bytes.
QString LireNom(const char (&nom)[kTailleNom]);
// Writes `texte` into a name buffer as Windows-1252, cut to 19 bytes and
// NUL-terminated.
void EcrireNom(const QString& texte, char (&nom)[kTailleNom]);

// Whether a name may be typed with this character: one the code page holds
// that is not a control character.
bool EstCaractereDeNom(char32_t point);

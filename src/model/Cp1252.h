#pragma once

#include <string>
#include <string_view>

// Vertex names are Windows-1252 bytes; everything shown to the user is
// UTF-8 (or QString, converted from it).

// The Unicode code point of one Windows-1252 byte. The five bytes the code
// page leaves undefined map to the C1 control of the same value.
char32_t Cp1252VersUnicode(unsigned char octet);
// The Windows-1252 byte of a code point, or -1 when the code page lacks it.
int UnicodeVersCp1252(char32_t point);

std::string Cp1252VersUtf8(std::string_view octets);
// Characters the code page lacks, and bytes that are not UTF-8, become '?'.
std::string Utf8VersCp1252(std::string_view utf8);
bool EstUtf8Valide(std::string_view octets);
// A name or path put into a text the user reads: its control characters
// (below 0x20, and 0x7F) written as "\x1b", so that a crafted file or
// argument never drives the user's terminal or hides part of a message.
std::string EchapperControles(std::string_view texte);
// A stored path as shown in a caption: its own UTF-8 when valid, otherwise
// read as Windows-1252 (a file saved on another machine); controls escaped.
std::string CheminAffichable(std::string_view chemin);

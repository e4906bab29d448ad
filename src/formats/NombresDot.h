#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as DOT attributes carry them. A real is written in its shortest
// form that reads back to the same double, so that a write and a read
// restore positions and weights bit for bit.

// A finite real, surrounded by blanks at most; a leading '+' is allowed.
std::optional<double> LireReel(std::string_view texte);

// An integer within 32 bits, surrounded by blanks at most.
std::optional<int32_t> LireEntier32(std::string_view texte);

std::string EcrireReel(double valeur);

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the exchange formats write them: C locale, a point for the
// decimals, white space around allowed; nothing else may follow.

// A finite decimal number ("7", "-2.5", "1e3").
std::optional<double> LireReel(std::string_view texte);
// An integer within 32 bits.
std::optional<int32_t> LireEntier32(std::string_view texte);
// A number written back so that reading it gives the same double.
std::string EcrireReel(double valeur);

// The 1-based line of the byte at `position` in `texte`.
size_t LigneDe(std::string_view texte, size_t position);

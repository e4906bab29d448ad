#pragma once

#include <cstdint>
#include <string_view>

// The progress line of a long batch command: on standard error, only when
// that is a terminal a person watches, and only once the command has run for
// a second. Whatever the tool writes afterwards on either stream first
// clears the line, so that no output is ever mixed with it.
namespace LigneProgression {
// Follows the command `nom` from now on, when standard error is a terminal.
void Suivre(std::string_view nom);
void Signaler(uint64_t fait, uint64_t total);
}  // namespace LigneProgression

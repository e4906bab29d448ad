#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Graphviz's reader has no limits of its own: a few kilobytes can ask it for
// millions of edges (`{a b c ...} -> {d e f ...}` joins every pair), and a
// long edge chain or deep nesting overflows its parser's stack, after which
// the next read goes wrong. These bounds are checked before Graphviz sees
// the text; each is far above what a graph drawn in this program holds.
constexpr size_t kTailleMaxDot = 4 * 1024 * 1024;  // bytes: about 10 s of reading on a loaded machine
constexpr size_t kImbricationMaxDot = 100;         // nested braces
constexpr size_t kChaineMaxDot = 1000;             // edge operators open at once, all levels together
constexpr size_t kCreationsMaxDot = 1000000;       // nodes and edges, once per graph holding them, at
constexpr size_t kCoutArc = 4;                     // this cost for an edge (per attribute set on it too)
constexpr size_t kSousGraphesMaxDot = 10000;       // braces: each subgraph costs Graphviz about 1 KB
constexpr size_t kNomsAttributsMaxDot = 100;       // every object carries every declared attribute
constexpr size_t kDeclarationsMaxDot = 1000000;    // a new attribute name costs one step per existing object

// Empty when Graphviz can read `texte` within the bounds above, else a French
// message saying which bound the text passes. A comment or a string never
// closed is refused here too: Graphviz's scanner would stay inside it for
// the next text it reads. The count follows Graphviz's
// own tokens (strings, comments, HTML strings) and errs on the high side.
std::string VerifierLimitesDot(std::string_view texte);

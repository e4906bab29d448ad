#pragma once

#include <optional>
#include <string>
#include <string_view>

// A vertex name typed on the command line (UTF-8) in the bytes the graph
// stores (Windows-1252); nothing when it is not valid UTF-8, holds a
// character the code page lacks, or is longer than a name can be. A name cut
// or approximated could designate another vertex.
std::optional<std::string> NomDepuisUtf8(std::string_view utf8);

#pragma once

#include <QString>

#include <string>
#include <string_view>

// The core speaks in bytes, Qt in QString. Vertex names have their own code
// page (TexteCp1252.h); these are the shell's other crossings.

// A message or caption of the core, which writes them in UTF-8.
QString TexteDepuisUtf8(std::string_view utf8);

// Paths cross as the file system's own bytes, whatever their encoding.
QString CheminDepuisOctets(const std::string& octets);
std::string CheminVersOctets(const QString& chemin);

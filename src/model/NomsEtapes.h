#pragma once

#include <string>
#include <string_view>

// Names of the editing steps in the window's history, as they follow
// « Annuler » or « Rétablir »: "l'ajout du sommet « A »", "la suppression de
// l'arc A → B". Names are records' Windows-1252 bytes; the result is UTF-8.
std::string EtapeSommet(std::string_view action, const char* nom);
std::string EtapeArc(std::string_view action, const char* origine, const char* cible);

inline constexpr std::string_view kAjout = "l'ajout";
inline constexpr std::string_view kSuppression = "la suppression";
inline constexpr std::string_view kDeplacement = "le déplacement";

#pragma once

#include <functional>
#include <string>
#include <string_view>

// Every file the program writes goes through here, so that a write either
// completes or leaves the previous file exactly as it was: the content goes
// to a temporary file beside the target (see TemporaireVoisin), is synced,
// then takes the target's place, and the folder is synced. A new target
// thus never shows under its name before it is complete. A symbolic link is
// followed to its final target, which is replaced while the link stays a
// link; an existing target that is not a regular file, or that its owner
// made read-only, is refused. The target is locked exclusively while it is
// replaced, as the reader locks it shared.
//
// A process that writes must ignore SIGXFSZ, so that a file size limit
// fails the write instead of killing the program.

// Writes the whole content to `descripteur`; false on failure, with errno
// telling why.
using ProducteurContenu = std::function<bool(int descripteur)>;

// Empty on success, else the French message naming the path and the reason,
// such as « Impossible d'écrire « /tmp/g.svg » : plus de place sur le disque. »
std::string EcrireFichier(const std::string& chemin, const ProducteurContenu& produire);
std::string EcrireFichier(const std::string& chemin, std::string_view contenu);

// The French reason for a system error number, as the messages above give it.
std::string RaisonSysteme(int erreur);

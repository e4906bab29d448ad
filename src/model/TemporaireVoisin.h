#pragma once

#include <string>

// The file a new content is written to before it replaces its target: in
// the target's folder, so that the replacement is a rename, and locked
// exclusively from the start, so that only a dead writer's temporaries are
// ever taken for stale. Where the file system allows it the file has no
// name until its content is complete; otherwise, and once named, its name
// is the target's, hidden, with our mark: ".g.gff.quorvalent-x1y2z3".
class TemporaireVoisin {
public:
    // Opens the temporary file for `cible`, after removing those for the
    // same target that no live writer holds; `Ouvert()` tells whether it
    // succeeded, errno why not.
    explicit TemporaireVoisin(const std::string& cible);
    // Removes the file unless it replaced its target.
    ~TemporaireVoisin();
    TemporaireVoisin(const TemporaireVoisin&) = delete;
    TemporaireVoisin& operator=(const TemporaireVoisin&) = delete;

    bool Ouvert() const { return descripteur >= 0; }
    int Descripteur() const { return descripteur; }

    // Puts the complete content in the target's place: a target that does
    // not exist appears at once with it; an existing one is replaced by a
    // rename. False, with errno, on failure, the target then untouched.
    bool Publier(bool cibleExiste);

private:
    bool Nommer();
    void Abandonner();

    std::string cible;
    std::string prefixe;  // the temporary's name without its random suffix
    std::string nom;      // empty while the file has no name
    int descripteur = -1;
};

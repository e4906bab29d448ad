#pragma once

#include "formats/GrapheEchange.h"

#include <cstdio>
#include <random>
#include <string>

// The whole structure as text, doubles in hexadecimal so that two dumps
// are equal only when every bit is.
inline std::string PhotoEchange(const GrapheEchange& g)
{
    const auto reel = [](const std::optional<double>& v) {
        if (!v)
            return std::string("-");
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%a", *v);
        return std::string(tampon);
    };
    std::string photo = g.oriente ? "oriente\n" : "non oriente\n";
    for (const SommetEchange& s : g.sommets)
        photo += "[" + s.nom + "] " + reel(s.x) + " " + reel(s.y) + " "
               + (s.numero ? std::to_string(*s.numero) : std::string("-")) + "\n";
    for (const ArcEchange& a : g.arcs)
        photo += std::to_string(a.origine) + ">" + std::to_string(a.cible) + " " + reel(a.poids) + "\n";
    return photo;
}

// Names built from pieces that Graphviz's quoting treats apart (quotes,
// backslashes, line ends, angle brackets, non-ASCII letters), sometimes
// twice the same; positions whole or fractional, of both signs, sometimes
// missing; loops and parallel arcs.
inline GrapheEchange EchangeAleatoire(std::mt19937& alea)
{
    static const char* const kMorceaux[] = {
        "a",    "B",   "\xC3\xA9", "\xE4\xB8\xAD",    "\"", " ", "\n", "\\x", "<", ">", "\\\\", "\\", "->",
        "node", "1.5", ";",        "\xF0\x9F\x98\x80"};
    const auto tirer = [&alea](int n) { return std::uniform_int_distribution<int>(0, n - 1)(alea); };
    GrapheEchange g;
    g.oriente = tirer(2) == 0;
    const int n = tirer(12);
    for (int i = 0; i < n; ++i) {
        SommetEchange s;
        for (int k = tirer(5); k > 0; --k)
            s.nom += kMorceaux[tirer(std::size(kMorceaux))];
        if (i > 0 && tirer(6) == 0)
            s.nom = g.sommets[tirer(i)].nom;
        if (tirer(5) != 0) {
            s.x = tirer(2) == 0 ? tirer(2000) - 200 : (tirer(100000) - 50000) / 7.0;
            s.y = tirer(2) == 0 ? tirer(2000) - 200 : (tirer(100000) - 50000) / 3.0;
        }
        if (tirer(3) == 0)
            s.numero = static_cast<int32_t>(alea());
        g.sommets.push_back(s);
    }
    for (int k = n == 0 ? 0 : tirer(3 * n); k > 0; --k) {
        ArcEchange a{static_cast<size_t>(tirer(n)), static_cast<size_t>(tirer(n)), std::nullopt};
        if (tirer(4) != 0)
            a.poids = tirer(2) == 0 ? tirer(200) - 100 : (tirer(20000) - 10000) / 9.0;
        g.arcs.push_back(a);
        if (tirer(5) == 0)
            g.arcs.push_back(a);
    }
    return g;
}

#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class QPainter;
class QPaintDevice;

// A graph repeats the same few hundred weights over thousands of arcs, and
// shaping a text costs far more than drawing its glyphs: this keeps, for
// one painter, the glyphs of the texts written more than once in the
// painter's font, and forgets them all when that font changes, whoever
// changes it.
class CacheTextes {
public:
    // Draws the text in the pen's colour, its top-left corner at (x, y), to
    // the same pixels as QPainter::drawText at the baseline.
    void Ecrire(QPainter& peintre, int x, int y, std::string_view texteCp1252);

private:
    // Empty for a text written once so far.
    using Passages = std::optional<QList<QGlyphRun>>;
    struct Hachage {
        using is_transparent = void;
        size_t operator()(std::string_view octets) const { return std::hash<std::string_view>{}(octets); }
    };

    void SuivrePolice(const QPainter& peintre);
    const QList<QGlyphRun>* Garder(const QPainter& peintre, std::string_view texteCp1252);

    QFont police;
    const QPaintDevice* appareil = nullptr;
    int jambageHaut = 0;  // the ascent, whole, as Qt places the baseline
    std::unordered_map<std::string, Passages, Hachage, std::equal_to<>> textes;
};

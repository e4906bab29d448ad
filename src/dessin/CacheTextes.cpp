#include "CacheTextes.h"

#include "TexteCp1252.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace {
constexpr size_t kTextesRetenus = 16384;
constexpr char kTraitDUnionConditionnel = '\xAD';

// Glyph runs land on the very pixels drawText gives only where positions
// reach the raster engine untransformed; elsewhere (a printer, a scaled
// painter) the text is shaped at each call as before. A laid-out line shows
// the soft hyphen that ends it as a hyphen, which drawText never does: such
// rare texts are shaped at each call too.
bool GlyphesFideles(QPainter& peintre, std::string_view texteCp1252)
{
    return peintre.paintEngine()->type() == QPaintEngine::Raster
        && peintre.deviceTransform().type() <= QTransform::TxTranslate
        && texteCp1252.find(kTraitDUnionConditionnel) == std::string_view::npos;
}

// The glyphs of a single unwrapped line, placed from its left end on the
// baseline, as drawText lays them out.
QList<QGlyphRun> MettreEnForme(const QString& texte, const QPainter& peintre)
{
    if (texte.isEmpty())
        return {};
    QTextLayout miseEnPage(texte, peintre.font(), peintre.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(peintre.layoutDirection());
    miseEnPage.setTextOption(option);
    miseEnPage.beginLayout();
    const QTextLine ligne = miseEnPage.createLine();
    miseEnPage.endLayout();
    const QPointF origine(ligne.x(), ligne.y() + ligne.ascent());
    QList<QGlyphRun> passages = miseEnPage.glyphRuns();
    for (QGlyphRun& passage : passages) {
        QList<QPointF> positions = passage.positions();
        for (QPointF& position : positions)
            position -= origine;
        passage.setPositions(positions);
    }
    return passages;
}
}  // namespace

void CacheTextes::Ecrire(QPainter& peintre, int x, int y, std::string_view texteCp1252)
{
    // A painter that could not begin (a file that cannot be written) has no
    // engine, nor fonts, and draws nothing.
    if (!peintre.isActive())
        return;
    SuivrePolice(peintre);
    const QPointF ligneDeBase(x, static_cast<double>(y) + jambageHaut);
    const QList<QGlyphRun>* passages = GlyphesFideles(peintre, texteCp1252) ? Garder(peintre, texteCp1252) : nullptr;
    if (passages == nullptr) {
        peintre.drawText(ligneDeBase, DepuisCp1252(texteCp1252));
        return;
    }
    for (const QGlyphRun& passage : *passages)
        peintre.drawGlyphRun(ligneDeBase, passage);
}

// Most vertex names are written once: drawn straight away they cost one
// shaping, where laying them out to keep would cost more. A text is laid
// out when it comes back.
const QList<QGlyphRun>* CacheTextes::Garder(const QPainter& peintre, std::string_view texteCp1252)
{
    const auto trouve = textes.find(texteCp1252);
    if (trouve == textes.end()) {
        // Names are many and seldom repeated: starting afresh now and then
        // bounds the memory, at the price of laying out the weights again.
        if (textes.size() >= kTextesRetenus)
            textes.clear();
        textes.emplace(std::string(texteCp1252), std::nullopt);
        return nullptr;
    }
    if (!trouve->second)
        trouve->second = MettreEnForme(DepuisCp1252(texteCp1252), peintre);
    return &*trouve->second;
}

// The painter's font object stays the same until someone sets another, so
// the comparison is usually one pointer; the device matters too, a font
// being measured at its resolution.
void CacheTextes::SuivrePolice(const QPainter& peintre)
{
    if (peintre.device() == appareil && peintre.font() == police)
        return;
    police = peintre.font();
    appareil = peintre.device();
    jambageHaut = peintre.fontMetrics().ascent();
    textes.clear();
}

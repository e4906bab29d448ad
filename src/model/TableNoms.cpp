#include "model/TableNoms.h"

#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "names are read a word at a time");

namespace {
// At most two thirds full, so that probes stay short.
size_t CapacitePour(size_t nombreNoms)
{
    return std::bit_ceil(std::max<size_t>(16, nombreNoms + nombreNoms / 2));
}

// The word's bytes before its first zero byte, the others cleared; `fini`
// says whether the name ended in this word or an earlier one. Bytes after
// the end of a name may hold anything a file brought.
uint64_t OctetsDuNom(uint64_t mot, bool& fini)
{
    if (fini)
        return 0;
    const uint64_t zeros = (mot - 0x0101010101010101u) & ~mot & 0x8080808080808080u;
    if (zeros == 0)
        return mot;
    fini = true;
    // The lowest flag is exact: a false one only shows above a true zero.
    const int octetsGardes = std::countr_zero(zeros) / 8;
    return octetsGardes == 0 ? 0 : mot & (~uint64_t{0} >> (64 - 8 * octetsGardes));
}
}  // namespace

TableNoms::TableNoms(size_t nombreNoms) : cases(CapacitePour(nombreNoms)) {}

TableNoms::Cle TableNoms::CleDe(const char (&nom)[kTailleNom])
{
    uint64_t mots[3] = {};
    std::memcpy(mots, nom, kTailleNom);
    bool fini = false;
    Cle cle;
    cle.debut[0] = OctetsDuNom(mots[0], fini);
    cle.debut[1] = OctetsDuNom(mots[1], fini);
    // Byte 19 is past any name: a marker there tells a held case from an
    // empty one, even for the empty name.
    const uint64_t fin = OctetsDuNom(mots[2] & 0x00FFFFFFu, fini);
    cle.fin = static_cast<uint32_t>(fin) | 0x01000000u;
    return cle;
}

size_t TableNoms::Place(const Cle& cle) const
{
    // Multiplying by odd constants carries every byte of the name into the
    // high bits of the product: the first case comes from those.
    const uint64_t empreinte =
        cle.debut[0] * 0x9E3779B97F4A7C15u + cle.debut[1] * 0xC2B2AE3D27D4EB4Fu + cle.fin * 0x165667B19E3779F9u;
    const size_t masque = cases.size() - 1;
    const int bitsDeCase = std::countr_zero(cases.size());
    for (size_t i = empreinte >> (64 - bitsDeCase);; i = (i + 1) & masque) {
        if (cases[i].Vide() || cases[i].Tient(cle))
            return i;
    }
}

TableNoms::Insertion TableNoms::Inserer(const char (&nom)[kTailleNom], int32_t valeur)
{
    const Cle cle = CleDe(nom);
    Case& c = cases[Place(cle)];
    if (!c.Vide())
        return {c.valeur, false};
    c = {{cle.debut[0], cle.debut[1]}, cle.fin, valeur};
    if (3 * ++nombre > 2 * cases.size())
        Agrandir();
    return {valeur, true};
}

const int32_t* TableNoms::Chercher(const char (&nom)[kTailleNom]) const
{
    const Case& c = cases[Place(CleDe(nom))];
    return c.Vide() ? nullptr : &c.valeur;
}

void TableNoms::Agrandir()
{
    std::vector<Case> anciennes(2 * cases.size());
    anciennes.swap(cases);
    for (const Case& c : anciennes) {
        if (!c.Vide())
            cases[Place({{c.debut[0], c.debut[1]}, c.fin})] = c;
    }
}

#include "model/ReserveEnregistrements.h"

#include "model/Sommet.h"

#include <new>

// Whether the address sanitizer is on: GCC says so with a macro, clang
// through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define QUORVALENT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVALENT_ASAN 1
#endif
#endif

#if defined(QUORVALENT_ASAN)

// Under the address sanitizer every record is its own allocation, so that
// it sees each misuse and each leak of one.
void* PrendreEnregistrement()
{
    return ::operator new(sizeof(Sommet));
}

void RendreEnregistrement(void* enregistrement) noexcept
{
    ::operator delete(enregistrement);
}

#else

#include <sys/mman.h>

#include <cstdint>

namespace {
constexpr size_t kTailleBloc = size_t{2} << 20;

struct Libre {
    Libre* suivant;
};

// The head of a block; its records follow.
struct Bloc {
    Bloc* precedent = nullptr;  // among the other blocks with freed room
    Bloc* suivant = nullptr;
    bool enListe = false;
    Libre* libres = nullptr;  // its freed records, the last freed first
    size_t entames = 0;       // records handed out from its never-used end
    size_t vivants = 0;
};

constexpr size_t kDebut = (sizeof(Bloc) + alignof(Sommet) - 1) / alignof(Sommet) * alignof(Sommet);
constexpr size_t kCapacite = (kTailleBloc - kDebut) / sizeof(Sommet);

Bloc* courant = nullptr;    // where records are taken from
Bloc* avecPlace = nullptr;  // the other blocks holding freed records

Bloc* BlocDe(void* enregistrement)
{
    return reinterpret_cast<Bloc*>(reinterpret_cast<uintptr_t>(enregistrement) & ~(kTailleBloc - 1));
}

// A mapping twice the size, trimmed to the aligned block inside it.
Bloc* NouveauBloc()
{
    void* zone = mmap(nullptr, 2 * kTailleBloc, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (zone == MAP_FAILED)
        throw std::bad_alloc();
    const auto debut = reinterpret_cast<uintptr_t>(zone);
    const uintptr_t aligne = (debut + kTailleBloc - 1) & ~(kTailleBloc - 1);
    if (aligne > debut)
        munmap(zone, aligne - debut);
    if (const uintptr_t fin = aligne + kTailleBloc; fin < debut + 2 * kTailleBloc)
        munmap(reinterpret_cast<void*>(fin), debut + 2 * kTailleBloc - fin);
    // A hint: where it is refused, the block keeps small pages.
    madvise(reinterpret_cast<void*>(aligne), kTailleBloc, MADV_HUGEPAGE);
    return new (reinterpret_cast<void*>(aligne)) Bloc;
}

void Lier(Bloc* bloc)
{
    bloc->precedent = nullptr;
    bloc->suivant = avecPlace;
    if (avecPlace != nullptr)
        avecPlace->precedent = bloc;
    avecPlace = bloc;
    bloc->enListe = true;
}

void Delier(Bloc* bloc)
{
    (bloc->precedent != nullptr ? bloc->precedent->suivant : avecPlace) = bloc->suivant;
    if (bloc->suivant != nullptr)
        bloc->suivant->precedent = bloc->precedent;
    bloc->enListe = false;
}

bool Plein(const Bloc* bloc)
{
    return bloc->libres == nullptr && bloc->entames == kCapacite;
}
}  // namespace

void* PrendreEnregistrement()
{
    if (courant == nullptr || Plein(courant)) {
        if (avecPlace != nullptr) {
            courant = avecPlace;
            Delier(courant);
        } else {
            courant = NouveauBloc();
        }
    }
    ++courant->vivants;
    if (Libre* libre = courant->libres) {
        courant->libres = libre->suivant;
        return libre;
    }
    return reinterpret_cast<char*>(courant) + kDebut + courant->entames++ * sizeof(Sommet);
}

void RendreEnregistrement(void* enregistrement) noexcept
{
    Bloc* bloc = BlocDe(enregistrement);
    bloc->libres = new (enregistrement) Libre{bloc->libres};
    --bloc->vivants;
    // The block records are taken from stays, even empty, so that freeing
    // and taking one record in turn does not map and unmap it each time.
    if (bloc == courant)
        return;
    if (bloc->vivants == 0) {
        if (bloc->enListe)
            Delier(bloc);
        bloc->~Bloc();
        munmap(bloc, kTailleBloc);
    } else if (!bloc->enListe) {
        Lier(bloc);
    }
}

#endif

// The class is final: every record has the size the blocks are cut for.
void* Sommet::operator new(std::size_t)
{
    return PrendreEnregistrement();
}

void Sommet::operator delete(void* enregistrement) noexcept
{
    RendreEnregistrement(enregistrement);
}

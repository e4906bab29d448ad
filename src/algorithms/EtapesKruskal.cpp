#include "algorithms/EtapesKruskal.h"

void NoterArcsConsideres(Deroulement& deroulement, const std::vector<ArcDuGraphe>& arcs, const std::vector<int>& choix,
                         const std::vector<bool>& gardes, Raison siGarde, Raison siRefus)
{
    for (size_t i = 0; i < choix.size(); ++i) {
        const ArcDuGraphe& a = arcs[size_t(choix[i])];
        deroulement.NoterArc(a.origine->nom, a.arc->nom, a.arc->valeur, gardes[i], gardes[i] ? siGarde : siRefus);
    }
    for (const ArcDuGraphe& a : arcs) {
        if (a.arc->valeur <= kPoidsPlancher)
            deroulement.NoterArc(a.origine->nom, a.arc->nom, a.arc->valeur, false, Raison::HorsLimite);
    }
}

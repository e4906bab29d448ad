#include "model/Instantane.h"

#include "model/FormatGff.h"
#include "model/TGraphe.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr size_t kTailleDegre = 4;

void Remplacer(std::vector<unsigned char>& octets, size_t debut, size_t longueur, const std::vector<unsigned char>& par)
{
    const auto place = octets.begin() + static_cast<std::ptrdiff_t>(debut);
    octets.erase(place, place + static_cast<std::ptrdiff_t>(longueur));
    octets.insert(octets.begin() + static_cast<std::ptrdiff_t>(debut), par.begin(), par.end());
}
}  // namespace

Instantane Instantane::Prendre(const TGraphe& graphe)
{
    Instantane instantane;
    std::vector<unsigned char>& o = instantane.octets;
    o.reserve(1 + (kTailleDegre + gff::kTailleEnregistrement) * size_t(graphe.NbSommets())
              + gff::kTailleEnregistrement * size_t(graphe.NbArcs()));
    o.push_back(graphe.Oriente() ? 1 : 0);
    for (const Sommet& s : graphe.Sommets()) {
        const PlageArcs chaine = Arcs(s);
        gff::AjouterEntier(o, static_cast<int32_t>(std::distance(chaine.begin(), chaine.end())));
        gff::AjouterEnregistrement(o, s);
        for (const Arc& a : chaine)
            gff::AjouterEnregistrement(o, a);
    }
    return instantane;
}

void Instantane::Restaurer(TGraphe& graphe) const
{
    graphe.Vider();
    if (octets.empty())
        return;
    graphe.FixerOriente(octets[0] != 0);
    Sommet* dernier = nullptr;
    for (size_t i = 1; i < octets.size();) {
        const int32_t degre = gff::LireEntier(&octets[i]);
        Sommet lu;
        gff::LireEnregistrement(&octets[i + kTailleDegre], lu);
        i += kTailleDegre + gff::kTailleEnregistrement;
        Sommet& sommet = graphe.AccrocherSommet(dernier, lu.nom, lu.x, lu.y);
        sommet.valeur = lu.valeur;
        dernier = &sommet;
        // An arc record is taken as it was, not from its target: a file may
        // have brought copies that differ from the vertex they name.
        Arc* fin = &sommet;
        for (int32_t k = 0; k < degre; ++k, i += gff::kTailleEnregistrement) {
            Arc arc;
            gff::LireEnregistrement(&octets[i], arc);
            fin = &graphe.AccrocherArc(*fin, arc, arc.valeur);
        }
    }
}

Retouche::Retouche(const Instantane& avant, const Instantane& apres)
{
    const std::vector<unsigned char>& a = avant.octets;
    const std::vector<unsigned char>& b = apres.octets;
    const size_t commun = std::min(a.size(), b.size());
    debut = static_cast<size_t>(
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(commun), b.begin()).first - a.begin());
    size_t fin = 0;
    while (fin < commun - debut && a[a.size() - 1 - fin] == b[b.size() - 1 - fin])
        ++fin;
    anciens.assign(a.begin() + static_cast<std::ptrdiff_t>(debut), a.end() - static_cast<std::ptrdiff_t>(fin));
    nouveaux.assign(b.begin() + static_cast<std::ptrdiff_t>(debut), b.end() - static_cast<std::ptrdiff_t>(fin));
}

void Retouche::Defaire(Instantane& etat) const
{
    Remplacer(etat.octets, debut, nouveaux.size(), anciens);
}

void Retouche::Refaire(Instantane& etat) const
{
    Remplacer(etat.octets, debut, anciens.size(), nouveaux);
}

#include "render/EmpriseDessin.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The length of the rectangles that follow a line a move repaints.
constexpr int64_t kPasBande = 16;
}  // namespace

void Emprise::Ajouter(const Boite& boite)
{
    const Boite coupee{std::max<int64_t>(boite.gauche, cadre.gauche), std::max<int64_t>(boite.haut, cadre.haut),
                       std::min<int64_t>(boite.droite, cadre.droite), std::min<int64_t>(boite.bas, cadre.bas)};
    if (coupee.gauche <= coupee.droite && coupee.haut <= coupee.bas)
        zones.push_back({static_cast<int32_t>(coupee.gauche), static_cast<int32_t>(coupee.haut),
                         static_cast<int32_t>(coupee.droite), static_cast<int32_t>(coupee.bas)});
}

void Emprise::AjouterLigne(Point p1, Point p2)
{
    const bool parX = std::abs(int64_t{p2.x} - p1.x) >= std::abs(int64_t{p2.y} - p1.y);
    const double u1 = parX ? p1.x : p1.y;
    const double v1 = parX ? p1.y : p1.x;
    const double u2 = parX ? p2.x : p2.y;
    const double v2 = parX ? p2.y : p2.x;
    const std::optional<std::pair<double, double>> vue = PartieEnVue(p1, p2);
    if (!vue)
        return;
    const double pente = (v2 - v1) / (u2 - u1);
    const auto premier = static_cast<int64_t>(std::floor(u1 + vue->first * (u2 - u1)));
    const auto dernier = static_cast<int64_t>(std::ceil(u1 + vue->second * (u2 - u1)));
    const int64_t large = kMarge + 1;
    for (int64_t p = std::min(premier, dernier); p <= std::max(premier, dernier); p += kPasBande) {
        const int64_t q = p + kPasBande - 1;
        const double vp = v1 + (static_cast<double>(p) - u1) * pente;
        const double vq = v1 + (static_cast<double>(q) - u1) * pente;
        const auto vMin = static_cast<int64_t>(std::floor(std::min(vp, vq))) - large;
        const auto vMax = static_cast<int64_t>(std::ceil(std::max(vp, vq))) + large;
        Ajouter(parX ? Boite{p - large, vMin, q + large, vMax} : Boite{vMin, p - large, vMax, q + large});
    }
}

std::optional<std::pair<double, double>> Emprise::PartieEnVue(Point p1, Point p2) const
{
    const double marge = kMarge + 1;
    const double dx = static_cast<double>(p2.x) - p1.x;
    const double dy = static_cast<double>(p2.y) - p1.y;
    double debut = 0.0;
    double fin = 1.0;
    const auto borner = [&](double sens, double ecart) {
        if (sens == 0.0)
            return ecart >= 0.0;
        const double t = ecart / sens;
        if (sens < 0.0)
            debut = std::max(debut, t);
        else
            fin = std::min(fin, t);
        return debut <= fin;
    };
    if (borner(-dx, p1.x - (cadre.gauche - marge)) && borner(dx, cadre.droite + marge - p1.x)
        && borner(-dy, p1.y - (cadre.haut - marge)) && borner(dy, cadre.bas + marge - p1.y))
        return std::make_pair(debut, fin);
    return std::nullopt;
}

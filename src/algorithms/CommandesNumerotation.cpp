#include "algorithms/Numerotation.h"
#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kSansCircuit = "Le graphe ne possède pas de circuit";
constexpr std::string_view kAvecCircuits = "Le graphe possède un ou plusieurs circuits";
constexpr std::string_view kTitreCircuit = "Détection de circuit";
}  // namespace

void CommandeNumerotationTopologique(TGraphe& graphe)
{
    NumerotationTopologique(graphe);
    graphe.Fenetre().Redessiner();
}

void CommandeCircuit(TGraphe& graphe)
{
    graphe.Fenetre().AfficherMessage(SansCircuit(graphe) ? kSansCircuit : kAvecCircuits, kTitreCircuit);
    graphe.Fenetre().Redessiner();
}

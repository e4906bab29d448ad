#include "model/TGraphe.h"

#include <string_view>

namespace {
constexpr std::string_view kSansCircuit = "Le graphe ne possède pas de circuit";
constexpr std::string_view kAvecCircuits = "Le graphe possède un ou plusieurs circuits";
constexpr std::string_view kTitreCircuit = "Détection de circuit";
}  // namespace

void TGraphe::CommandeNumerotationTopologique()
{
    NumerotationTopologique();
    fenetre.Redessiner();
}

void TGraphe::CommandeCircuit()
{
    fenetre.AfficherMessage(SansCircuit() ? kSansCircuit : kAvecCircuits, kTitreCircuit);
    fenetre.Redessiner();
}

#include "FauxServices.h"
#include "model/RemplissageGraphe.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Every record as "name x y value" lines: vertices in list order, each
// followed by its chain.
std::vector<std::string> Enregistrements(const TGraphe& g)
{
    std::vector<std::string> lignes;
    const auto ligne = [&](const char* sorte, const Sommet& s) {
        lignes.push_back(std::string(sorte) + s.nom + " " + std::to_string(s.x) + " " + std::to_string(s.y) + " "
                         + std::to_string(s.valeur));
    };
    for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
        ligne("S ", *s);
        for (const Arc* a = s->arcSuivant; a != nullptr; a = a->arcSuivant)
            ligne("  A ", *a);
    }
    return lignes;
}

std::vector<std::string> Textes(const FauxServices& services)
{
    std::vector<std::string> textes;
    for (const auto& m : services.messages)
        textes.push_back(m.titre + ": " + m.texte);
    return textes;
}

// Appends a vertex without the store's duplicate check, as a file may.
void AjouterHomonyme(TGraphe& g, const char* nom, int32_t x)
{
    Sommet* dernier = nullptr;
    for (Sommet& s : g.Sommets())
        dernier = &s;
    g.AccrocherSommet(dernier, nom, x, 0);
}

// Short names collide often; the long ones name the vertex of their first
// 19 bytes.
const char* const kNoms[] = {
    "A", "B", "C", "D", "", "ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRSXY"};

TEST(RemplissageGraphe, memesEnregistrementsCompteursEtMessagesQueLeMagasin)
{
    std::mt19937 alea(42);
    std::uniform_int_distribution<int> nom(0, std::size(kNoms) - 1);
    std::uniform_int_distribution<int> valeur(-5, 5);
    for (int essai = 0; essai < 300; ++essai) {
        FauxServices servicesMagasin;
        FauxServices servicesRemplissage;
        TGraphe magasin(servicesMagasin);
        TGraphe rempli(servicesRemplissage);
        const bool oriente = essai % 2 == 0;
        magasin.FixerOriente(oriente);
        rempli.FixerOriente(oriente);
        // Some graphs already hold records, added through the store.
        for (int k = essai % 3; k > 0; --k) {
            const char* a = kNoms[nom(alea)];
            const char* b = kNoms[nom(alea)];
            for (TGraphe* g : {&magasin, &rempli}) {
                g->AjouterSommet(a, k, k);
                g->AjouterSommet(b, k, -k);
                g->AjouterArc(a, b, k);
                AjouterHomonyme(*g, a, -k);
            }
        }
        RemplissageGraphe remplissage(rempli);
        for (int pas = 0; pas < 30; ++pas) {
            const char* a = kNoms[nom(alea)];
            const char* b = kNoms[nom(alea)];
            const int32_t v = valeur(alea);
            if (pas % 3 == 0) {
                magasin.AjouterSommet(a, v, pas);
                remplissage.AjouterSommet(a, v, pas);
            } else {
                magasin.AjouterArc(a, b, v);
                remplissage.AjouterArc(a, b, v);
            }
        }
        ASSERT_EQ(Enregistrements(rempli), Enregistrements(magasin)) << "essai " << essai;
        ASSERT_EQ(rempli.NbSommets(), magasin.NbSommets()) << "essai " << essai;
        ASSERT_EQ(rempli.NbArcs(), magasin.NbArcs()) << "essai " << essai;
        ASSERT_EQ(rempli.Oriente(), magasin.Oriente());
        ASSERT_EQ(Textes(servicesRemplissage), Textes(servicesMagasin)) << "essai " << essai;
    }
}

}  // namespace

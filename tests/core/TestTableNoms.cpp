#include "model/TableNoms.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct Nom {
    char octets[kTailleNom];
};

// A record's name field as a file may leave it: the name, its zero, then
// whatever bytes the writer had in its buffer.
Nom Champ(const std::string& nom, std::mt19937& alea)
{
    Nom champ;
    for (char& octet : champ.octets)
        octet = static_cast<char>(alea());
    std::memcpy(champ.octets, nom.data(), std::min(nom.size(), sizeof champ.octets));
    if (nom.size() < sizeof champ.octets)
        champ.octets[nom.size()] = '\0';
    return champ;
}

TEST(TableNoms, ReconnaitCeQueMemeNomReconnait_quoiQueSuiveLaFinDuNom)
{
    std::mt19937 alea(7);
    // Few letters and lengths up to 20, so that names share prefixes, differ
    // in a single byte anywhere, or only past the 19th.
    const auto nomAuHasard = [&alea] {
        std::string nom(std::uniform_int_distribution<size_t>(0, 20)(alea), 'a');
        for (char& c : nom)
            c = "ab\xE9\x80"[alea() % 4];
        return nom;
    };
    // A name one edit away from another: a byte more, a byte less, or one
    // byte changed, so that names sharing 19 bytes or all but one are drawn.
    const auto voisin = [&alea](std::string nom) {
        const size_t ici = nom.empty() ? 0 : alea() % nom.size();
        switch (alea() % 3) {
        case 0:
            return nom + "b";
        case 1:
            return nom.empty() ? nom : nom.substr(0, nom.size() - 1);
        default:
            return nom.empty() ? nom : nom.replace(ici, 1, 1, nom[ici] == 'a' ? 'b' : 'a');
        }
    };
    for (int essai = 0; essai < 200; ++essai) {
        TableNoms table(std::uniform_int_distribution<size_t>(0, 40)(alea));
        std::vector<std::string> textes;
        std::vector<Nom> ranges;
        for (int i = 0; i < 60; ++i) {
            textes.push_back(i > 0 && alea() % 2 ? voisin(textes[alea() % textes.size()]) : nomAuHasard());
            ranges.push_back(Champ(textes.back(), alea));
            table.Ajouter(ranges.back().octets, i);
        }
        for (int k = 0; k < 60; ++k) {
            const Nom cherche =
                Champ(alea() % 2 ? voisin(textes[alea() % textes.size()]) : textes[alea() % textes.size()], alea);
            int attendu = -1;
            for (int i = 0; i < 60 && attendu == -1; ++i) {
                if (MemeNom(ranges[i].octets, cherche.octets))
                    attendu = i;
            }
            const int32_t* trouve = table.Chercher(cherche.octets);
            ASSERT_EQ(trouve != nullptr ? *trouve : -1, attendu)
                << std::string(cherche.octets, strnlen(cherche.octets, kTailleNom));
        }
    }
}

TEST(TableNoms, GardeLePremierPorteur_leNomVideCompris_etGrandit)
{
    TableNoms table(0);
    std::mt19937 alea(11);
    const Nom vide = Champ("", alea);
    EXPECT_EQ(table.Chercher(vide.octets), nullptr);
    EXPECT_TRUE(table.Ajouter(vide.octets, 5));
    EXPECT_FALSE(table.Ajouter(Champ("", alea).octets, 6));
    EXPECT_EQ(table.Garder(Champ("", alea).octets, 7), 5) << "the first value stays";
    // Names alike but for the bytes a weak hash would drop.
    std::vector<Nom> noms;
    for (int i = 0; i < 5000; ++i)
        noms.push_back(Champ("Sommet" + std::to_string(i) + "-" + std::to_string(i % 7), alea));
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(table.Ajouter(noms[i].octets, i));
    for (int i = 0; i < 5000; ++i) {
        ASSERT_NE(table.Chercher(noms[i].octets), nullptr);
        EXPECT_EQ(*table.Chercher(noms[i].octets), i);
    }
    EXPECT_EQ(*table.Chercher(vide.octets), 5);
}

}  // namespace

// Randomized editing sessions through the window's own events: presses,
// moves and releases of either button, context-menu choices, prompt answers
// (names, weights, cancels, odd and long texts) and menu commands, on random
// graphs. After every step the whole-graph invariants must hold and a save
// must load back unchanged. A failure prints its seed and its steps.

#include "CanevasMuet.h"
#include "DossierSessions.h"
#include "FauxServices.h"
#include "Invariants.h"
#include "algorithms/Commandes.h"
#include "render/DessinGraphe.h"
#include "model/EditionGraphe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kNoms = {
    "A",
    "B",
    "C",
    "a",
    "S1",
    " ",
    "\xE9t\xE9",
    "x y",
    "'\"%s%n\\",
    "\xFF\x80\x81",
    "nom-de-19-octets-ok",
    "un nom bien plus long que le champ",
};
const std::vector<std::string> kPoids = {
    "5",
    "-3",
    "0",
    " 12",
    "+7",
    "7kg",
    "3,5",
    "abc",
    "-",
    "99999999999999",
    "-2147483648",
    "2147483648",
    "1234567890123456789",
    "\xE9",
};
class SessionSouris {
public:
    SessionSouris(uint32_t graine, const fs::path& dossier) : alea(graine), fichier((dossier / "souris.gff").string())
    {
        g.FixerOriente(Tirer(2) == 0);
        const int sommets = int(Tirer(9));
        for (int i = 0; i < sommets; ++i)
            g.AjouterSommet(kNoms[Tirer(uint32_t(kNoms.size()))].c_str(), int32_t(Tirer(400)), int32_t(Tirer(300)));
        const int arcs = sommets == 0 ? 0 : int(Tirer(12));
        for (int i = 0; i < arcs; ++i)
            g.AjouterArc(SommetAuHasard()->nom, SommetAuHasard()->nom, int32_t(Tirer(41)) - 20);
        journal << "oriente=" << g.Oriente() << '\n' << PhotoGraphe(g);
    }

    void Pas()
    {
        PreparerReponses();
        const Point p = Viser();
        switch (Tirer(11)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const uint32_t boutons = Tirer(10);
            const bool gauche = boutons < 6 || boutons == 9;
            const bool droit = boutons >= 6;
            journal << "OnMouseDown(" << gauche << ", " << droit << ", " << p.x << ", " << p.y << ")\n";
            e.OnMouseDown(gauche, droit, p.x, p.y);
            break;
        }
        case 4:
        case 5:
        case 6:
            journal << "OnMouseMove(" << p.x << ", " << p.y << ")\n";
            e.OnMouseMove(p.x, p.y);
            break;
        case 7:
        case 8:
        case 9:
            journal << "OnMouseUp(" << p.x << ", " << p.y << ")\n";
            e.OnMouseUp(p.x, p.y);
            break;
        default: {
            const Commande commande = kToutesLesCommandes[Tirer(std::size(kToutesLesCommandes))];
            journal << "ExecuterCommande(" << int(commande) << ")\n";
            ExecuterCommande(g, commande);
            break;
        }
        }
    }

    std::string Ecarts()
    {
        // Painting follows most events; here it only has to run cleanly.
        CanevasMuet canevas;
        DessinerGraphe(g, canevas, 0, 0, 1.0f);
        std::string tout = EcartsInvariants(g, true);
        for (const Sommet* designe : {e.SommetOrigineArc(), e.SommetCible()}) {
            if (designe != nullptr && !DansLaListe(designe))
                tout += "l'etat d'edition designe un sommet efface\n";
        }
        for (const auto& resultat : fenetre.resultats)
            tout += EcartsInvariants(*resultat.graphe, true);
        g.Sauvegarder(fichier);
        FauxServices autre;
        TGraphe relu(autre);
        relu.Charger(fichier);
        if (!autre.messages.empty() || PhotoGraphe(relu) != PhotoGraphe(g))
            tout += "graphe:\n" + PhotoGraphe(g) + "relu:\n" + PhotoGraphe(relu);
        return tout.empty() ? tout : tout + PhotoGraphe(g);
    }

    std::string Journal() const { return journal.str(); }

private:
    std::mt19937 alea;
    std::string fichier;
    FauxServices fenetre;
    TGraphe g{fenetre};
    EditionGraphe e{g};
    std::ostringstream journal;

    uint32_t Tirer(size_t n) { return std::uniform_int_distribution<uint32_t>(0, uint32_t(n) - 1)(alea); }

    Sommet* SommetAuHasard()
    {
        if (g.PremierSommet() == nullptr)
            return nullptr;
        Sommet* s = g.PremierSommet();
        for (uint32_t pas = Tirer(size_t(g.NbSommets())); pas > 0 && s->sommetSuivant != nullptr; --pas)
            s = s->sommetSuivant;
        return s;
    }

    bool DansLaListe(const Sommet* sommet) const
    {
        for (const Sommet* s = g.PremierSommet(); s != nullptr; s = s->sommetSuivant) {
            if (s == sommet)
                return true;
        }
        return false;
    }

    static int32_t Borne(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

    // Mostly on or near a vertex (within and beyond the grab distances),
    // else anywhere, now and then at the ends of the range.
    Point Viser()
    {
        const Sommet* s = SommetAuHasard();
        const uint32_t choix = Tirer(20);
        if (s != nullptr && choix < 13)
            return {Borne(int64_t(s->x) + Tirer(29) - 14), Borne(int64_t(s->y) + Tirer(29) - 14)};
        if (choix == 19)
            return {Tirer(2) == 0 ? INT32_MAX : INT32_MIN, int32_t(Tirer(300))};
        return {int32_t(Tirer(500)) - 30, int32_t(Tirer(400)) - 30};
    }

    std::string Texte()
    {
        const uint32_t choix = Tirer(10);
        if (choix < 2)
            return "";
        if (choix < 5 && g.PremierSommet() != nullptr)
            return SommetAuHasard()->nom;
        return choix < 8 ? kNoms[Tirer(kNoms.size())] : kPoids[Tirer(kPoids.size())];
    }

    // Fresh answers for whatever the next event asks: a vertex name or a
    // weight, a yes or a no, menu items, the two ends of an arc or a path.
    void PreparerReponses()
    {
        fenetre.reponsesNoms.clear();
        fenetre.reponsesExtremites.clear();
        fenetre.reponsesQuestions.clear();
        fenetre.choixSommet.clear();
        fenetre.choixGraphe.clear();
        std::ostringstream reponses;
        for (int i = 0; i < 2; ++i) {
            fenetre.reponsesNoms.push_back(Tirer(2) == 0 ? Texte() : kPoids[Tirer(kPoids.size())]);
            fenetre.reponsesExtremites.emplace_back(Texte(), Texte());
            fenetre.reponsesQuestions.push_back(Tirer(3) != 0);
            fenetre.choixSommet.push_back(ChoixMenuSommet(int(Tirer(7)) - 1));
            fenetre.choixGraphe.push_back(ChoixMenuGraphe(int(Tirer(3)) - 1));
            reponses << " [" << fenetre.reponsesNoms.back() << "|" << fenetre.reponsesExtremites.back().first << ","
                     << fenetre.reponsesExtremites.back().second << "|" << fenetre.reponsesQuestions.back() << "|"
                     << int(fenetre.choixSommet.back()) << "|" << int(fenetre.choixGraphe.back()) << "]";
        }
        journal << "reponses" << reponses.str() << '\n';
    }
};

struct SessionsSouris : DossierSessions {};

TEST_F(SessionsSouris, EvenementsMenusEtCommandes_gardentLeGrapheCoherentEtRelisible)
{
    constexpr uint32_t kSessions = 1000;
    for (uint32_t graine = 1; graine <= kSessions; ++graine) {
        SessionSouris session(graine, dossier);
        const int pas = 1 + int(std::mt19937(graine)() % 80);
        for (int i = 0; i < pas; ++i) {
            session.Pas();
            const std::string ecarts = session.Ecarts();
            ASSERT_TRUE(ecarts.empty()) << "graine " << graine << ", pas " << i + 1 << ":\n"
                                        << ecarts << "--- pas joues ---\n"
                                        << session.Journal();
        }
    }
}

}  // namespace

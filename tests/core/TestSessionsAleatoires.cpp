// Randomized editing sessions: long random sequences of store operations on
// random graphs, each step checked against a plain model of what the graph
// must hold, against the whole-graph invariants, and through a save and
// reload. A failure prints its seed and the steps that led to it.

#include "DossierSessions.h"
#include "FauxServices.h"
#include "Invariants.h"

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

// Short and long, case variants, Windows-1252 accents, spaces, quotes and
// format directives, a name of exactly 19 bytes, names cut to the same 19.
const std::vector<std::string> kNoms = {
    "A",
    "B",
    "C",
    "a",
    "AB",
    "S1",
    "S10",
    " ",
    "\xE9t\xE9",
    "x y",
    "'\"%s%n\\",
    "\xFF\x80\x81",
    "nom-de-19-octets-ok",
    "nom-de-19-octets-ok-et-plus",
    "nom-de-19-octets-ok-autre",
};
const std::vector<int32_t> kExtremes = {0, 1, -1, 999999, -1000000, INT32_MAX, INT32_MIN};

std::string Coupe(const std::string& nom)
{
    return nom.substr(0, kLongueurNomMax);
}

// A name as C source, so that a failing session's steps can be pasted back.
std::string Litteral(const std::string& nom)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string texte = "\"";
    for (const unsigned char c : nom) {
        if (c == '"' || c == '\\')
            texte += '\\';
        if (c >= 0x20 && c < 0x7F) {
            texte += char(c);
        } else {
            texte += "\\x";
            texte += kHex[c >> 4];
            texte += kHex[c & 15];
            texte += "\"\"";  // a following hex digit must not join the escape
        }
    }
    return texte + '"';
}

// What the graph must hold: vertices in list order, each with its chain.
struct Modele {
    struct Arc {
        std::string cible;
        int32_t poids;
    };
    struct Sommet {
        std::string nom;
        int32_t x;
        int32_t y;
        std::vector<Arc> arcs;
    };
    bool oriente = true;
    std::vector<Sommet> sommets;

    Sommet* Trouver(const std::string& nom)
    {
        auto it = std::find_if(sommets.begin(), sommets.end(), [&](const Sommet& s) { return s.nom == nom; });
        return it == sommets.end() ? nullptr : &*it;
    }
    int NombreArcs() const
    {
        int n = 0;
        for (const Sommet& s : sommets)
            n += int(s.arcs.size());
        return n;
    }
    // The graph's photo as the model expects it.
    std::string Photo()
    {
        std::ostringstream photo;
        photo << "sommets=" << sommets.size() << " arcs=" << NombreArcs() << " oriente=" << oriente << '\n';
        for (const Sommet& s : sommets) {
            photo << s.nom << '(' << s.x << ',' << s.y << ")#0:";
            for (const Arc& a : s.arcs) {
                const Sommet* cible = Trouver(a.cible);
                photo << ' ' << a.cible << '(' << cible->x << ',' << cible->y << ")=" << a.poids;
            }
            photo << '\n';
        }
        return photo.str();
    }
};

class Session {
public:
    Session(uint32_t graine, const fs::path& dossier) : alea(graine), fichier((dossier / "session.gff").string())
    {
        const bool oriente = Tirer(2) == 0;
        g.FixerOriente(oriente);
        modele.oriente = oriente;
    }

    // One random operation, applied to the graph and to the model.
    void Pas()
    {
        const size_t messagesAvant = fenetre.messages.size();
        int messagesAttendus = 0;
        switch (Tirer(12)) {
        case 0:
        case 1:
        case 2:
            messagesAttendus = AjouterSommet();
            break;
        case 3:
        case 4:
        case 5:
        case 6:
            messagesAttendus = AjouterArc();
            break;
        case 7:
            messagesAttendus = SupprimerSommet();
            break;
        case 8:
        case 9:
            messagesAttendus = SupprimerArc();
            break;
        case 10:
            InverserPoids();
            break;
        default:
            AjusterFenetre();
            break;
        }
        if (fenetre.messages.size() - messagesAvant != size_t(messagesAttendus))
            ecarts << messagesAttendus << " message(s) attendu(s), " << fenetre.messages.size() - messagesAvant
                   << " montre(s)\n";
    }

    // Everything wrong with the graph now; empty when sound.
    std::string Ecarts()
    {
        std::string tout = ecarts.str() + EcartsInvariants(g, true);
        if (PhotoGraphe(g) != modele.Photo())
            tout += "graphe:\n" + PhotoGraphe(g) + "attendu:\n" + modele.Photo();
        tout += EcartsDegres();
        g.Sauvegarder(fichier);
        FauxServices autre;
        TGraphe relu(autre);
        relu.Charger(fichier);
        if (!autre.messages.empty() || PhotoGraphe(relu) != PhotoRelue(g))
            tout += "relu:\n" + PhotoGraphe(relu);
        return tout;
    }

    // The graph as reading its file gives it back: a weight of INT32_MIN,
    // whose opposite does not fit, is read as -INT32_MAX.
    static std::string PhotoRelue(const TGraphe& graphe)
    {
        std::string photo = PhotoGraphe(graphe);
        const std::string minimum = "=" + std::to_string(INT32_MIN);
        for (size_t i = photo.find(minimum); i != std::string::npos; i = photo.find(minimum, i))
            photo.replace(i, minimum.size(), "=" + std::to_string(-INT32_MAX));
        return photo;
    }

    std::string Journal() const { return journal.str(); }

private:
    std::mt19937 alea;
    std::string fichier;
    FauxServices fenetre;
    TGraphe g{fenetre};
    Modele modele;
    std::ostringstream journal;
    std::ostringstream ecarts;

    uint32_t Tirer(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(alea); }
    const std::string& Nom() { return kNoms[Tirer(uint32_t(kNoms.size()))]; }
    int32_t Entier(int32_t bas, int32_t haut)
    {
        if (Tirer(20) == 0)
            return kExtremes[Tirer(uint32_t(kExtremes.size()))];
        return std::uniform_int_distribution<int32_t>(bas, haut)(alea);
    }

    int AjouterSommet()
    {
        const std::string& nom = Nom();
        const int32_t x = Entier(-50, 900);
        const int32_t y = Entier(-50, 700);
        journal << "AjouterSommet(" << Litteral(nom) << ", " << x << ", " << y << ")\n";
        g.AjouterSommet(nom.c_str(), x, y);
        if (modele.Trouver(Coupe(nom)) != nullptr)
            return 1;
        modele.sommets.push_back({Coupe(nom), x, y, {}});
        return 0;
    }

    int AjouterArc()
    {
        const std::string& origine = Nom();
        const std::string& cible = Tirer(8) == 0 ? origine : Nom();
        const int32_t poids = Entier(-20, 100);
        journal << "AjouterArc(" << Litteral(origine) << ", " << Litteral(cible) << ", " << poids << ")\n";
        g.AjouterArc(origine.c_str(), cible.c_str(), poids);
        Modele::Sommet* depart = modele.Trouver(Coupe(origine));
        Modele::Sommet* arrivee = modele.Trouver(Coupe(cible));
        if (depart == nullptr || arrivee == nullptr)
            return 1;
        depart->arcs.push_back({arrivee->nom, poids});
        if (!modele.oriente)
            arrivee->arcs.push_back({depart->nom, poids});
        return 0;
    }

    int SupprimerSommet()
    {
        const std::string& nom = Nom();
        journal << "SupprimerSommet(" << Litteral(nom) << ")\n";
        g.SupprimerSommet(nom.c_str());
        const std::string cle = Coupe(nom);
        if (modele.Trouver(cle) == nullptr)
            return 1;
        std::erase_if(modele.sommets, [&](const Modele::Sommet& s) { return s.nom == cle; });
        for (Modele::Sommet& s : modele.sommets)
            std::erase_if(s.arcs, [&](const Modele::Arc& a) { return a.cible == cle; });
        return 0;
    }

    int SupprimerArc()
    {
        const std::string& origine = Nom();
        const std::string& cible = Nom();
        journal << "SupprimerArc(" << Litteral(origine) << ", " << Litteral(cible) << ")\n";
        g.SupprimerArc(origine.c_str(), cible.c_str());
        Modele::Sommet* depart = modele.Trouver(Coupe(origine));
        Modele::Sommet* arrivee = modele.Trouver(Coupe(cible));
        if (depart == nullptr || arrivee == nullptr)
            return 1;
        std::erase_if(depart->arcs, [&](const Modele::Arc& a) { return a.cible == arrivee->nom; });
        if (!modele.oriente)
            std::erase_if(arrivee->arcs, [&](const Modele::Arc& a) { return a.cible == depart->nom; });
        return 0;
    }

    void InverserPoids()
    {
        journal << "InverserPoids()\n";
        g.InverserPoids();
        for (Modele::Sommet& s : modele.sommets) {
            for (Modele::Arc& a : s.arcs)
                a.poids = int32_t(0u - uint32_t(a.poids));
        }
    }

    void AjusterFenetre()
    {
        journal << "AjusterFenetre()\n";
        g.AjusterFenetre();
        int64_t maxX = 0;
        int64_t maxY = 0;
        for (const Modele::Sommet& s : modele.sommets) {
            maxX = std::max<int64_t>(maxX, s.x);
            maxY = std::max<int64_t>(maxY, s.y);
        }
        const auto attendu =
            std::make_pair(int(std::min<int64_t>(maxX + 50, INT32_MAX)), int(std::min<int64_t>(maxY + 50, INT32_MAX)));
        if (fenetre.tailles.empty() || fenetre.tailles.back() != attendu)
            ecarts << "taille " << attendu.first << 'x' << attendu.second << " attendue\n";
    }

    std::string EcartsDegres()
    {
        std::ostringstream degres;
        for (const std::string& brut : kNoms) {
            const std::string nom = Coupe(brut);
            const Modele::Sommet* s = modele.Trouver(nom);
            int sortants = s != nullptr ? int(s->arcs.size()) : -1;
            int entrants = s != nullptr ? 0 : -1;
            for (const Modele::Sommet& t : modele.sommets) {
                for (const Modele::Arc& a : t.arcs)
                    entrants += s != nullptr && a.cible == nom;
            }
            if (g.DemiDegreExterieur(brut.c_str()) != sortants || g.DemiDegreInterieur(brut.c_str()) != entrants)
                degres << "demi-degres de " << nom << " attendus " << sortants << '/' << entrants << '\n';
        }
        return degres.str();
    }
};

struct SessionsAleatoires : DossierSessions {};

TEST_F(SessionsAleatoires, OperationsDuMagasin_gardentLeGrapheConformeAuModeleEtRelisible)
{
    constexpr uint32_t kSessions = 1500;
    for (uint32_t graine = 1; graine <= kSessions; ++graine) {
        Session session(graine, dossier);
        std::mt19937 longueur(graine);
        const int pas = 1 + int(longueur() % 60);
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

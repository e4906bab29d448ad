#pragma once

#include "model/ServicesFenetre.h"

#include <memory>
#include <vector>

// A window that shows nothing and asks nothing: messages vanish, prompts are
// cancelled, questions answered No, menus closed without a choice. It
// remembers the client size it is given, and keeps result windows in memory
// as graphs sharing these services. Batch and test windows override what
// they need.
class ServicesMuets : public ServicesFenetre {
public:
    // Until a size is set: the size the desktop gives a new graph window,
    // standing in for its client area.
    static constexpr int kLargeurInitiale = 359;
    static constexpr int kHauteurInitiale = 242;

    ServicesMuets();
    ServicesMuets(int largeurClient, int hauteurClient);
    ~ServicesMuets() override;

    void AfficherMessage(std::string_view, std::string_view) override {}
    bool PoserQuestion(std::string_view, std::string_view) override { return false; }
    void SaisirNom(std::string_view, char (&reponse)[kTailleNom]) override { reponse[0] = '\0'; }
    void SaisirArcASupprimer(char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;
    void SaisirExtremites(std::string_view, char (&depart)[kTailleNom], char (&arrivee)[kTailleNom]) override;

    void FixerTailleClient(int largeurClient, int hauteurClient) override;
    int LargeurClient() const override { return largeur; }
    int HauteurClient() const { return hauteur; }
    void FixerTitre(std::string_view) override {}
    void Redessiner() override {}
    // Nothing is shown, so nothing is spared: the whole window, as Redessiner.
    void RedessinerDeplacement(const Sommet&, int32_t, int32_t) override { Redessiner(); }
    void TracerElastique(Point, Point) override {}
    ChoixMenuSommet OuvrirMenuSommet(Point) override { return ChoixMenuSommet::Aucun; }
    ChoixMenuGraphe OuvrirMenuGraphe(Point) override { return ChoixMenuGraphe::Aucun; }
    Point PositionDansCadre() const override { return {}; }
    void SignalerModification(std::string_view) override {}
    void SignalerAvancement(uint64_t, uint64_t) override {}
    TGraphe& CreerFenetreResultat() override;
    void OublierResultats();

private:
    int largeur;
    int hauteur;
    std::vector<std::unique_ptr<TGraphe>> resultats;
};

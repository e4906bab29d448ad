#include "Executeurs.h"

#include "Fichiers.h"
#include "HorsEcran.h"
#include "SortiesGraphe.h"

#include <iostream>

namespace {
constexpr std::string_view kExtensionContraire = "extension contraire au format .pdf : ";

// The page as the desktop prints it from a window just opened on the file:
// a high-resolution A4 page, one copy, written to a PDF file.
int Imprimer(const FenetreConsole& fenetre, const std::string& chemin)
{
    const QString erreur = EcrirePagePdf(*fenetre.graphe, QString::fromStdString(chemin));
    if (erreur.isEmpty())
        return kSucces;
    std::cerr << chemin << " : " << erreur.toStdString() << '\n';
    return kEchec;
}
}  // namespace

int ExecuterImprimer(const Arguments& arguments)
{
    if (!ExtensionConforme(arguments.valeurs[1], ".pdf")) {
        SignalerErreurUsage(kExtensionContraire, arguments.valeurs[1]);
        return kErreurUsage;
    }
    std::optional<FenetreConsole> fenetre = ChargerGraphe(arguments.valeurs[0]);
    if (!fenetre)
        return kEchec;
    return AvecApplicationHorsEcran([&] { return Imprimer(*fenetre, arguments.valeurs[1]); });
}

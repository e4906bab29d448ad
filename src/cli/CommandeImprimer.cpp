#include "Executeurs.h"

#include "Fichiers.h"
#include "HorsEcran.h"
#include "SortiesGraphe.h"

#include <iostream>

namespace {
constexpr std::string_view kExtensionContraire = "extension contraire au format .pdf : ";
constexpr std::string_view kFormatInconnu = "format de page inconnu (pdf) : ";

// The page as the desktop prints it from a window just opened on the file:
// a high-resolution A4 page, one copy, written to a PDF file.
bool Imprimer(const FenetreConsole& fenetre, const std::string& chemin)
{
    const QString erreur = EcrirePagePdf(*fenetre.graphe, QString::fromStdString(chemin));
    // The message names the file and says why.
    if (!erreur.isEmpty())
        std::cerr << erreur.toStdString() << '\n';
    return erreur.isEmpty();
}
}  // namespace

int ExecuterImprimer(const Arguments& arguments)
{
    if (!arguments.format.empty() && arguments.format != "pdf") {
        SignalerErreurUsage(kFormatInconnu, arguments.format);
        return kErreurUsage;
    }
    const std::string& page = arguments.valeurs[1];
    if (!ExtensionConforme(page, ".pdf")) {
        SignalerErreurUsage(kExtensionContraire, arguments.valeurs[1]);
        return kErreurUsage;
    }
    return TraiterFichiers(arguments, {arguments.valeurs[0]}, [&](FenetreConsole& fenetre, Json* objet) {
        if (objet != nullptr)
            (*objet)["image"] = page;
        return AvecApplicationHorsEcran([&] {
            const auto imprimer = [&](const std::string& chemin) { return Imprimer(fenetre, chemin); };
            const bool reussi = page == kFluxStandard ? EcrireSurSortieStandard(".pdf", imprimer) : imprimer(page);
            return reussi ? kSucces : kEchec;
        });
    });
}

#include "Executeurs.h"

#include "Fichiers.h"
#include "HorsEcran.h"
#include "SortiesGraphe.h"

#include "model/Cp1252.h"

#include <iostream>

namespace {
// The page as the desktop prints it from a window just opened on the file:
// a high-resolution A4 page, one copy, written to a PDF file.
int Imprimer(const FenetreConsole& fenetre, const std::string& chemin)
{
    const QString erreur = EcrirePagePdf(*fenetre.graphe, QString::fromStdString(chemin));
    if (erreur.isEmpty())
        return kSucces;
    // The reason may quote the path itself.
    std::cerr << EchapperControles(chemin) << " : " << EchapperControles(erreur.toStdString()) << '\n';
    return kEchec;
}
}  // namespace

int ExecuterImprimer(const Arguments& arguments)
{
    std::optional<FenetreConsole> fenetre = ChargerGraphe(arguments.valeurs[0]);
    if (!fenetre)
        return kEchec;
    return AvecApplicationHorsEcran([&] { return Imprimer(*fenetre, arguments.valeurs[1]); });
}

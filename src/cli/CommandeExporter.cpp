#include "Executeurs.h"

#include "EcritureQt.h"
#include "Fichiers.h"
#include "HorsEcran.h"
#include "ImagesGraphe.h"

#include "model/Cp1252.h"

#include <QBuffer>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {
constexpr std::string_view kFormatInconnu = "format d'image inconnu (.bmp, .png ou .svg) : ";
constexpr std::string_view kFormatManquant = "--format manquant pour la sortie standard";
constexpr std::string_view kExtensionContraire = "extension contraire au format choisi : ";
constexpr std::string_view kImageImpossible = " : l'image ne peut être créée (";
constexpr std::string_view kNonEnregistree = " : l'image ne peut être enregistrée.\n";

// Coordinates come from files: a vertex far away must not make the tool
// claim gigabytes (256 MB at most, 4 bytes a pixel).
constexpr int kCoteMax = 16384;
constexpr qint64 kPixelsMax = qint64(64) * 1024 * 1024;

enum class Format { Bmp, Png, Svg };

std::optional<Format> FormatDe(const std::string& chemin)
{
    const QString extension = QString::fromStdString(std::filesystem::path(chemin).extension().string()).toLower();
    if (extension == ".bmp")
        return Format::Bmp;
    if (extension == ".png")
        return Format::Png;
    if (extension == ".svg")
        return Format::Svg;
    return std::nullopt;
}

// Writes the picture to `chemin`; messages name the file `nom`.
bool Exporter(const FenetreConsole& fenetre, const std::string& chemin, Format format, const std::string& nom)
{
    // The picture takes the client area the window is given when fitted to
    // its vertices.
    fenetre.graphe->AjusterFenetre();
    const QSize taille(fenetre.services->LargeurClient(), fenetre.services->HauteurClient());
    QString erreur;
    if (format == Format::Svg)
        erreur = EcrireAvecQt(chemin, [&](QIODevice& sortie) {
            EcrireSvgGraphe(sortie, *fenetre.graphe, taille);
            return true;
        });
    else {
        const bool raisonnable = taille.width() <= kCoteMax && taille.height() <= kCoteMax
                              && qint64(taille.width()) * taille.height() <= kPixelsMax;
        QImage image = raisonnable ? QImage(taille, QImage::Format_RGB32) : QImage();
        if (image.isNull()) {
            std::cerr << EchapperControles(nom) << kImageImpossible << taille.width() << " × " << taille.height()
                      << " pixels).\n";
            return false;
        }
        PeindreGraphe(image, *fenetre.graphe, taille);
        // Encoded in memory first: libpng, stopped by a failed write, leaks
        // the buffer Qt gave it.
        QBuffer encode;
        encode.open(QIODevice::WriteOnly);
        const bool encodee = EncoderImage(image, encode, format == Format::Bmp ? "BMP" : "PNG");
        erreur = EcrireAvecQt(
            chemin, [&](QIODevice& sortie) { return encodee && sortie.write(encode.data()) == encode.size(); });
    }
    if (!erreur.isEmpty())
        std::cerr << EchapperControles(nom) << kNonEnregistree << erreur.toStdString() << '\n';
    return erreur.isEmpty();
}

// The format --format names, else the image's extension; none, after the
// usage error, when they are missing, unknown or contradict each other.
std::optional<Format> FormatDemande(const Arguments& arguments)
{
    const std::string& image = arguments.valeurs[1];
    const bool choisi = !arguments.format.empty();
    const std::optional<Format> format = FormatDe(choisi ? "image." + arguments.format : image);
    if (!format && !choisi && image == kFluxStandard)
        SignalerErreurUsage(kFormatManquant);
    else if (!format)
        SignalerErreurUsage(kFormatInconnu, choisi ? arguments.format : image);
    else if (choisi && std::filesystem::path(image).has_extension() && FormatDe(image) != format)
        SignalerErreurUsage(kExtensionContraire, image);
    else
        return format;
    return std::nullopt;
}
}  // namespace

int ExecuterExporter(const Arguments& arguments)
{
    const std::string& image = arguments.valeurs[1];
    const std::optional<Format> format = FormatDemande(arguments);
    if (!format)
        return kErreurUsage;
    return TraiterFichiers(arguments, {arguments.valeurs[0]}, [&](FenetreConsole& fenetre, Json* objet) {
        if (objet != nullptr)
            (*objet)["image"] = image;
        return AvecApplicationHorsEcran([&] {
            const auto exporter = [&](const std::string& chemin) { return Exporter(fenetre, chemin, *format, image); };
            const bool reussi =
                image == kFluxStandard ? EcrireSurSortieStandard("." + arguments.format, exporter) : exporter(image);
            return reussi ? kSucces : kEchec;
        });
    });
}

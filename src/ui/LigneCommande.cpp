#include "LigneCommande.h"

#include "TextesCommuns.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {
void Ecrire(std::FILE* flux, const QString& texte)
{
    std::fputs(texte.toLocal8Bit().constData(), flux);
    std::fflush(flux);
}
}  // namespace

Lancement LireLigneCommande(const QStringList& arguments, bool strict)
{
    QCommandLineParser analyseur;
    // Qt's own options are words after one dash: "-stylesheet" must not read
    // as "-h" among others.
    analyseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analyseur.setApplicationDescription(
        QStringLiteral("Dessiner des graphes et leur appliquer les algorithmes classiques."));
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et quitte."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version et quitte."));
    analyseur.addOption(aide);
    analyseur.addOption(version);
    analyseur.addPositionalArgument(QStringLiteral("FICHIER"),
                                    QStringLiteral("Un graphe (.gff) à ouvrir, chacun dans sa fenêtre."),
                                    QStringLiteral("[FICHIER...]"));
    const bool compris = analyseur.parse(arguments);
    if (analyseur.isSet(aide)) {
        Ecrire(stdout, analyseur.helpText());
        return {{}, 0};
    }
    if (analyseur.isSet(version)) {
        Ecrire(stdout, QStringLiteral("%1 %2\n").arg(kNomApplication, QStringLiteral(QUORVALENT_VERSION)));
        return {{}, 0};
    }
    if (!compris && strict) {
        Ecrire(stderr, QStringLiteral("quorvalent : %1\n%2\n")
                           .arg(analyseur.errorText(), QStringLiteral("Essayez « quorvalent --help ».")));
        return {{}, 2};
    }
    return {analyseur.positionalArguments(), std::nullopt};
}

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <iterator>
#include <random>

// The one source of chance of a randomized session: every choice draws from
// it in the order the session makes them, so that a seed replays a run.
class Hasard {
public:
    explicit Hasard(uint64_t graine) : moteur(graine) {}

    int Entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(moteur); }
    bool Chance(double probabilite) { return std::bernoulli_distribution(probabilite)(moteur); }
    template <typename Liste>
    const auto& Parmi(const Liste& liste)
    {
        return liste[Entier(0, static_cast<int>(std::size(liste)) - 1)];
    }

    // What a user may type in a name or weight field: plain names, the names
    // of the graph, accented, foreign, over-long, numeric and malformed text.
    QString Texte(const QStringList& nomsConnus)
    {
        static const QStringList kAccents = {
            QStringLiteral("é"), QStringLiteral("Ç"), QStringLiteral("œ"),  QStringLiteral("ÿ"), QStringLiteral("€"),
            QStringLiteral("ß"), QStringLiteral("ж"), QStringLiteral("中"), QStringLiteral("😀"), QStringLiteral("&")};
        static const QStringList kNombres = {
            QStringLiteral("0"),           QStringLiteral("7"),           QStringLiteral("-5"),
            QStringLiteral("2147483647"),  QStringLiteral("2147483648"),  QStringLiteral("-2147483647"),
            QStringLiteral("-2147483648"), QStringLiteral("99999999999"), QStringLiteral(" 12 "),
            QStringLiteral("1e9"),         QStringLiteral("0x10"),        QStringLiteral("-")};
        switch (Entier(0, 7)) {
        case 0:
            return {};
        case 1:
            if (!nomsConnus.isEmpty())
                return Parmi(nomsConnus);
            [[fallthrough]];
        case 2:
            return QString(QChar(u'A' + Entier(0, 25))) + QString::number(Entier(0, 9));
        case 3: {
            QString texte;
            for (int n = Entier(1, 4); n > 0; --n)
                texte += Parmi(kAccents);
            return texte;
        }
        case 4: {
            QString texte;
            for (int n = Entier(20, 40); n > 0; --n)
                texte += QChar(u'a' + Entier(0, 25));
            return texte;
        }
        default:
            return Parmi(kNombres);
        }
    }

private:
    std::mt19937_64 moteur;
};

#include "TexteCp1252.h"

#include "model/Cp1252.h"

#include <QList>

#include <cstring>

QString DepuisCp1252(std::string_view octets)
{
    QString texte;
    texte.reserve(static_cast<qsizetype>(octets.size()));
    for (char octet : octets)
        texte += QChar(static_cast<char16_t>(Cp1252VersUnicode(static_cast<unsigned char>(octet))));
    return texte;
}

std::string VersCp1252(const QString& texte)
{
    std::string octets;
    for (char32_t point : texte.toUcs4()) {
        const int octet = UnicodeVersCp1252(point);
        octets += octet < 0 ? '?' : static_cast<char>(octet);
    }
    return octets;
}

QString LireNom(const char (&nom)[kTailleNom])
{
    return DepuisCp1252(std::string_view(nom, strnlen(nom, kTailleNom)));
}

void EcrireNom(const QString& texte, char (&nom)[kTailleNom])
{
    const std::string octets = VersCp1252(texte);
    // A NUL typed or pasted into the text would end the name there anyway.
    CopierNom(nom, octets.c_str());
}

bool EstCaractereDeNom(char32_t point)
{
    const bool controle = point < 0x20 || (point >= 0x7F && point <= 0x9F);
    return !controle && UnicodeVersCp1252(point) >= 0;
}

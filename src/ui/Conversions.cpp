#include "Conversions.h"

#include <QFile>

QString TexteDepuisUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString CheminDepuisOctets(const std::string& octets)
{
    return QFile::decodeName(QByteArray::fromStdString(octets));
}

std::string CheminVersOctets(const QString& chemin)
{
    return QFile::encodeName(chemin).toStdString();
}

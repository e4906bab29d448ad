#pragma once

#include <QString>

#include <functional>
#include <string>

class QIODevice;

// Qt's writers (images, SVG, PDF) through the program's one writer: they
// write to a device whose bytes go to the writer's temporary file, and a
// failed write of the device fails the whole file, whatever the Qt writer
// itself reports. `chemin` is the file name's bytes. Returns the writer's
// message, empty on success.
QString EcrireAvecQt(const std::string& chemin, const std::function<bool(QIODevice& sortie)>& ecrire);

#pragma once

#include <QStringList>

// The open dialog's filters: every readable graph first, then one per
// exchange format, then `filtreGff`, the program's own files alone.
QStringList FiltresOuvrir(const QString& filtreGff);

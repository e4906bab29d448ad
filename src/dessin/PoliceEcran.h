#pragma once

#include <QFont>

// The screen font of graph windows and dialogs: "MS Sans Serif" 11 pixels
// high, replaced by a small sans-serif face on systems that lack it.
QFont PoliceEcran();

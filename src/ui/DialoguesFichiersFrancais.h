#pragma once

class QFileDialog;

// Qt's file dialog in French on any machine. Qt's file model writes sizes
// and dates in the system locale, which is English wherever the C library
// has no French locale, whatever the application's default locale; its
// columns are sized for short English texts. The dialog's list then shows
// sizes ("375 octets", "2,8 ko") and dates ("14 juil. 2026 09:05") in French,
// in columns wide enough for them.
void FranciserDialogueFichiers(QFileDialog& dialogue);

#pragma once

class QCoreApplication;

// French for the dialogs Qt draws itself: sizes, dates and numbers in the
// file dialogs. Call before the application is made: Qt reads the system
// locale once, when it starts.
void ChoisirLocaleFrancaise();

// Qt's own texts in French: "Oui", "Non", the file dialogs; then our
// translations of what Qt's leave in English.
void InstallerTraductionsQt(QCoreApplication& application);

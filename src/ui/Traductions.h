#pragma once

class QCoreApplication;

// Qt's own texts in French: "Oui", "Non", the file dialogs.
void InstallerTraductionsQt(QCoreApplication& application);

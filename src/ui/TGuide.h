#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

// The user's guide, read from the program's resources: its table of
// contents on the left, the text on the right. Links between its sections
// work; links elsewhere open in the desktop's browser.
class TGuide : public QWidget {
    Q_OBJECT
public:
    explicit TGuide(QWidget* proprietaire);

    // Scrolls to the heading whose anchor (as the guide's own links write
    // it) is `ancre`; false when there is none.
    bool AllerA(const QString& ancre);

private:
    void RemplirSommaire();
    void SuivreLien(const QUrl& adresse);

    QListWidget* sommaire;
    QTextBrowser* texte;
};

#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Answers the modal dialogs that the action under test opens, one scripted
// answer per dialog, in order. Each answer receives the dialog (a modal
// widget or a popup menu) and must close it.
class Repondeur : public QObject {
public:
    using Reponse = std::function<void(QWidget*)>;

    Repondeur()
    {
        minuterie.setInterval(10);
        connect(&minuterie, &QTimer::timeout, this, &Repondeur::Surveiller);
        minuterie.start();
    }
    void Puis(Reponse reponse) { reponses.push_back(std::move(reponse)); }
    bool ToutRepondu() const { return reponses.empty(); }
    int Vus() const { return vus; }

private:
    // Every answer closes its dialog before returning, so whatever modal
    // widget shows at the next tick is a new one (a reused file dialog too).
    void Surveiller()
    {
        QWidget* dialogue = QApplication::activePopupWidget();
        if (dialogue == nullptr)
            dialogue = QApplication::activeModalWidget();
        if (dialogue == nullptr || !dialogue->isVisible())
            return;
        ++vus;
        if (reponses.empty()) {
            // Unexpected: close it, so that the test fails instead of hanging.
            dialogue->close();
            return;
        }
        Reponse reponse = std::move(reponses.front());
        reponses.pop_front();
        reponse(dialogue);
    }

    QTimer minuterie;
    std::deque<Reponse> reponses;
    int vus = 0;
};

// Clicks the button of a message box that plays the given role.
inline Repondeur::Reponse CliquerBouton(QMessageBox::StandardButton bouton)
{
    return [bouton](QWidget* dialogue) {
        if (auto* boite = qobject_cast<QMessageBox*>(dialogue); boite != nullptr && boite->button(bouton) != nullptr)
            boite->button(bouton)->click();
        else
            dialogue->close();
    };
}

// Answers a name or weight prompt with `texte` typed in its field, then Ok.
inline Repondeur::Reponse Saisir(const QString& texte, QString* titre = nullptr)
{
    return [texte, titre](QWidget* dialogue) {
        auto* champ = dialogue->findChild<QLineEdit*>(QStringLiteral("edChampNom"));
        auto* ok = dialogue->findChild<QPushButton*>(QStringLiteral("btOk"));
        if (champ == nullptr || ok == nullptr) {
            dialogue->close();
            return;
        }
        if (titre != nullptr)
            *titre = dialogue->windowTitle();
        champ->setText(texte);
        ok->click();
    };
}

// Picks an item of a context menu as the keyboard would, and notes where
// the menu opened.
inline Repondeur::Reponse Choisir(const char* composant, QPoint* position = nullptr)
{
    return [composant, position](QWidget* dialogue) {
        auto* menu = qobject_cast<QMenu*>(dialogue);
        QAction* item = menu != nullptr ? menu->findChild<QAction*>(QLatin1String(composant)) : nullptr;
        if (item == nullptr) {
            dialogue->close();
            return;
        }
        if (position != nullptr)
            *position = menu->pos();
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_Return);
    };
}

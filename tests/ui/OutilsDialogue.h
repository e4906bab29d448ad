#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <string>

// Helpers shared by the dialog tests.

// Shows the dialog and makes it the active window, as a click would.
inline bool Activer(QDialog& dialogue)
{
    dialogue.show();
    QApplication::setActiveWindow(&dialogue);
    return QTest::qWaitForWindowActive(&dialogue);
}

template <typename T>
T* Enfant(QDialog& dialogue, const char* nom)
{
    return dialogue.findChild<T*>(QLatin1String(nom));
}

// Types `texte` one character at a time, so that accented and other
// non-ASCII characters go through the same path as a keyboard's.
inline void Taper(QWidget* champ, const QString& texte)
{
    for (QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A name buffer filled with junk, as a caller's stack may hold it.
struct Tampon {
    char octets[20];
    Tampon() { std::memset(octets, '#', sizeof octets); }
    explicit Tampon(const char* texte) : Tampon() { std::strcpy(octets, texte); }
    std::string Texte() const { return std::string(octets, strnlen(octets, sizeof octets)); }
    bool Vide() const { return octets[0] == '\0'; }
};

// The widgets of the window's focus chain, from `depart`, once round.
inline QStringList ChaineFocus(QWidget* depart)
{
    QStringList noms;
    QWidget* w = depart;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            noms << w->objectName();
        w = w->nextInFocusChain();
    } while (w != depart);
    return noms;
}

#include "TGuide.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

namespace {
const QString kTitre = QStringLiteral("Guide de l'utilisateur");
constexpr QSize kTaille{820, 600};
constexpr int kLargeurSommaire = 230;

// The anchor a Markdown renderer gives a heading: lower case, spaces as
// dashes, punctuation dropped.
QString Ancre(const QString& titre)
{
    QString ancre;
    for (const QChar c : titre.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            ancre += c;
        else if (c == QLatin1Char(' '))
            ancre += QLatin1Char('-');
    }
    return ancre;
}
}  // namespace

TGuide::TGuide(QWidget* proprietaire) : QWidget(proprietaire, Qt::Window)
{
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(kTitre);
    resize(kTaille);
    auto* separation = new QSplitter(this);
    sommaire = new QListWidget(separation);
    sommaire->setObjectName(QStringLiteral("Sommaire"));
    texte = new QTextBrowser(separation);
    texte->setObjectName(QStringLiteral("TexteGuide"));
    texte->setOpenLinks(false);
    separation->setSizes({kLargeurSommaire, kTaille.width() - kLargeurSommaire});
    auto* disposition = new QHBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(separation);

    QFile fichier(QStringLiteral(":/guide/guide.md"));
    if (fichier.open(QIODevice::ReadOnly))
        texte->setMarkdown(QString::fromUtf8(fichier.readAll()));
    RemplirSommaire();
    connect(sommaire, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { AllerA(item->data(Qt::UserRole).toString()); });
    connect(sommaire, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { AllerA(item->data(Qt::UserRole).toString()); });
    connect(texte, &QTextBrowser::anchorClicked, this, &TGuide::SuivreLien);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TGuide::RemplirSommaire()
{
    for (QTextBlock bloc = texte->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        const int niveau = bloc.blockFormat().headingLevel();
        // The title of the guide is left out, and the finer subsections.
        if (niveau < 2 || niveau > 3)
            continue;
        auto* item = new QListWidgetItem(QString(4 * (niveau - 2), QLatin1Char(' ')) + bloc.text(), sommaire);
        item->setData(Qt::UserRole, Ancre(bloc.text()));
    }
}

bool TGuide::AllerA(const QString& ancre)
{
    for (QTextBlock bloc = texte->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.blockFormat().headingLevel() == 0 || Ancre(bloc.text()) != ancre)
            continue;
        // The heading at the top of the view, not merely somewhere in it.
        const QRectF place = texte->document()->documentLayout()->blockBoundingRect(bloc);
        texte->verticalScrollBar()->setValue(static_cast<int>(place.top()));
        return true;
    }
    return false;
}

void TGuide::SuivreLien(const QUrl& adresse)
{
    if (adresse.scheme().isEmpty() && adresse.hasFragment())
        AllerA(adresse.fragment());
    else
        QDesktopServices::openUrl(adresse);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/welcome_screen.h"

#include "catalogue/pictures.h"
#include "platform/art.h"
#include "platform/faces.h"
#include "platform/readable_text.h"

#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {

const QString WelcomeScreen::kWelcomeText = QStringLiteral(
    "Jou, Sie sind ein Quellmärker oder wollen gerne die Quellmärker Staatsbürgerschaft besitzen? Dann \r\n"
    "werden Sie sicher Verständnis dafür haben, dass die Landesregierung Rheinland/Quellmark nicht \r\n"
    "gerade jedem ohne weiteres diese erteilt. Um diese zu erhalten, müssen Sie die \r\n"
    "nachfolgenden Fragen über unser gelobtes Land richtig beantworten.\r\n");
const QString WelcomeScreen::kAuthorCredit = QStringLiteral("ausgedacht von Knörz vun de Quellmork");
const QString WelcomeScreen::kContact = QStringLiteral("quiz@brendelquiz.example");

WelcomeScreen::WelcomeScreen(const QString &name, const QString &caption, WindowKind kind) : Form(name, caption, kind)
{
    setWindowIcon(artIcon(QStringLiteral("app-icon")));
    setCursor(QCursor(artPixmap(QStringLiteral("cursor"), QSize(32, 32), devicePixelRatioF()), 0, 0));

    auto *readyBox = makeTextBox(QStringLiteral("txtbereit"), QStringLiteral("Bereit zu diesem Test?"));
    readyBox->setReadOnly(true);
    readyBox->setFont(screenFont("Arial", 14.25, FontStyle::Bold));

    auto *greeting = makeTextView(QStringLiteral("txtBegrüssung"), kWelcomeText);
    greeting->setFont(screenFont("MS Sans Serif", 9.75));
    // Wide enough for the text's own line breaks, so no line wraps a second time.
    int widest = 0;
    for (const QString &line : kWelcomeText.split(QStringLiteral("\r\n")))
        widest = qMax(widest, greeting->fontMetrics().horizontalAdvance(line));
    greeting->setLineWrapMode(QPlainTextEdit::NoWrap);
    greeting->setFixedSize(widest + 24, greeting->fontMetrics().lineSpacing() * 5 + 16);
    greeting->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *start = makeButton(QStringLiteral("cdmlos_gehts"), QStringLiteral("Roger, los gehts"),
                             artPath(QStringLiteral("icon-start")));
    auto *decline = makeButton(QStringLiteral("Cmdbessernicht"), QStringLiteral("Besser nicht"));
    auto *info = makeButton(QStringLiteral("CmdProgramminfo"), QStringLiteral("Weshalb,Wieso?"),
                            artPath(QStringLiteral("icon-info")));

    auto *image = makeLabel(QStringLiteral("Image1"), {});
    showArt(image, QStringLiteral("welcome-photo"), QSize(160, 200));
    describePicture(image, QStringLiteral("welcome-photo"));

    auto *suggestion = makeLabel(QStringLiteral("lblAnregung"), QStringLiteral("Anregung und Kritik an:"));

    // Credit and e-mail line share one place and take turns; the e-mail line sits a
    // little lower, so the two overlap and read as one changing line.
    auto *turns = new QWidget(this);
    auto *author = makeLabel(QStringLiteral("lblAutor"), kAuthorCredit);
    auto *email = makeLabel(QStringLiteral("lblemail"), QStringLiteral("email: ") + kContact);
    author->setParent(turns);
    email->setParent(turns);
    author->setFont(screenFont("Comic Sans MS", 8.25));
    keepTextReadable(author, QColor(0x00, 0x00, 0xFF)); // blue, lighter on a dark desktop
    const int lineWidth = 300;
    author->setGeometry(0, 0, lineWidth, 20);
    email->setGeometry(0, 3, lineWidth, 20);
    email->setVisible(false);
    readWhileHidden(email);
    turns->setFixedSize(lineWidth, 24);

    auto *right = new QVBoxLayout;
    right->addWidget(readyBox);
    right->addWidget(greeting, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addWidget(decline);
    buttons->addWidget(info);
    right->addLayout(buttons);

    auto *top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    top->addLayout(right, 1);

    auto *root = new QVBoxLayout(this);
    root->addLayout(top, 1);
    root->addWidget(suggestion);
    root->addWidget(turns);

    setTabOrder(start, decline);
    setTabOrder(decline, info);
    setInitialFocus(start);

    makeTimer(QStringLiteral("Timer1"), 1800);
}

} // namespace bq

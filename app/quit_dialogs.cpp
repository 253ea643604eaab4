// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quit_dialogs.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {

QuitDialog::QuitDialog(const QString &name, const QString &caption, WindowKind kind) : Form(name, caption, kind)
{
    auto *question =
        makeTextView(QStringLiteral("txtbeenden"), QStringLiteral("Nicht wirklich am Anfang gleich beenden, oder?"));
    question->setFixedSize(300, 48);
    auto *insist = makeButton(QStringLiteral("OKButton"), QStringLiteral("doooch"));
    auto *takeBack = makeButton(QStringLiteral("CancelButton"), QStringLiteral("oh, nää"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(insist);
    buttons->addWidget(takeBack);
    buttons->addStretch();
    auto *root = new QHBoxLayout(this);
    root->addWidget(question, 0, Qt::AlignTop);
    root->addLayout(buttons);

    // Neither button is the dialog's default: Enter presses the one with the focus,
    // and that is "doooch" when the dialog opens.
    setTabOrder(insist, takeBack);
    setTabOrder(takeBack, question);
    setInitialFocus(insist);
}

CowardDialog::CowardDialog(const QString &name, const QString &caption, WindowKind kind) : Form(name, caption, kind)
{
    auto *text =
        makeTextView(QStringLiteral("Text1"),
                     QStringLiteral("Und Du willst ein Quellmärker sein oder die Quellmärker Staatsbürgerschaft "
                                    "bekommen? Du doch nicht!"));
    text->setFixedSize(320, 64);
    auto *ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"));

    auto *root = new QHBoxLayout(this);
    root->addWidget(text);
    root->addWidget(ok, 0, Qt::AlignTop);
    setTabOrder(ok, text);
    setInitialFocus(ok);
}

} // namespace bq

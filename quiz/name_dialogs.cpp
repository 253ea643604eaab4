// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/name_dialogs.h"

#include "catalogue/screen_catalogue.h"
#include "platform/art.h"
#include "platform/form_registry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {
namespace {
const QString kNameBox = QStringLiteral("txt_Name");

// The player's name lives only here: in txt_Name of the name dialog, which stays loaded
// (hidden) once the name is confirmed. Reading it loads a fresh, empty dialog if needed.
QString playerName()
{
    return FormRegistry::instance().loadAndReadText(Screen::DlgNamen_angeben, kNameBox);
}

} // namespace

void copyPlayerName(Screen screen, const QString &label)
{
    FormRegistry::instance().loadAndSetText(screen, label, playerName());
}

NameEntryDialog::NameEntryDialog(const QString &name, const QString &caption, WindowKind kind)
    : Form(name, caption, kind)
{
    auto *prompt = makeLabel(QStringLiteral("Label1"), QStringLiteral("Bitte tippe Deinen Vor- und Nachnamen ein:"));
    auto *nameBox = makeTextBox(kNameBox);
    nameBox->setAccessibleName(prompt->text());
    // Said once, as the name box's label: a screen reader reads a dialog's labels that label
    // nothing when it opens, and this one would otherwise be heard twice.
    prompt->setBuddy(nameBox);
    nameBox->setMinimumWidth(360);
    auto *warning =
        makeLabel(QStringLiteral("Label2"),
                  QStringLiteral("Nur zur Info! Falls Du hier irgend einen Mist eintippst, bekommst Du am Ende "
                                 "als Ergebnis auch nur diesen Mist zurück. Also sei am besten ehrlich!"));
    warning->setWordWrap(true);
    warning->setMaximumWidth(380);
    auto *cancel = makeButton(QStringLiteral("CancelButton"), QStringLiteral("Abbrechen"));
    auto *ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *root = new QVBoxLayout(this);
    root->addWidget(prompt);
    root->addWidget(nameBox);
    root->addWidget(warning);
    root->addLayout(buttons);

    setTabOrder(nameBox, ok);
    setTabOrder(ok, cancel);
    setInitialFocus(nameBox);
    // Enter in the name box confirms the name, as the OK button would.
    connect(nameBox, &QLineEdit::returnPressed, ok, &QPushButton::click);
}

NameGreetingDialog::NameGreetingDialog(const QString &name, const QString &caption, WindowKind kind)
    : Form(name, caption, kind)
{
    setWindowIcon(artIcon(QStringLiteral("verdict-icon")));
    auto *welcome = makeLabel(QStringLiteral("Label1"), QStringLiteral("Herzlich Willkommen"));
    auto *playerLabel = makeLabel(QStringLiteral("lblName_ist"), {});
    playerLabel->setMinimumWidth(300);
    playerLabel->setAlignment(Qt::AlignCenter);
    QFont nameFont = playerLabel->font();
    nameFont.setBold(true);
    playerLabel->setFont(nameFont);
    // However long the name, the greeting stays on the screen: the label shows what fits
    // of it in three lines of at most 600 pixels, and keeps the whole name as its text.
    playerLabel->setMaximumSize(600, playerLabel->fontMetrics().lineSpacing() * 3);
    auto *ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"));

    auto *root = new QVBoxLayout(this);
    root->addWidget(welcome, 0, Qt::AlignHCenter);
    root->addWidget(playerLabel, 0, Qt::AlignHCenter);
    root->addWidget(ok, 0, Qt::AlignHCenter);
    setInitialFocus(ok);
}

} // namespace bq

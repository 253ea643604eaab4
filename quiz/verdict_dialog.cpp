// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/verdict_dialog.h"

#include "catalogue/verdict_catalogue.h"
#include "platform/art.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bq {

VerdictDialog::VerdictDialog(const QString &name, const QString &caption, const VerdictDef &def)
    : Form(name, caption, WindowKind::Dialog)
{
    setWindowIcon(artIcon(QStringLiteral("verdict-icon")));
    auto *root = new QVBoxLayout(this);
    const int messageWidth = 380;
    for (const VerdictMessage &message : def.messages) {
        const QString controlName = QString::fromUtf8(message.control);
        const QString text = QString::fromUtf8(message.text);
        if (message.textBox) {
            QPlainTextEdit *view = makeTextView(controlName, text);
            view->setFixedSize(messageWidth, 90);
            root->addWidget(view);
        } else {
            QLabel *label = makeLabel(controlName, text);
            label->setWordWrap(true);
            label->setFixedWidth(messageWidth);
            root->addWidget(label);
        }
    }
    auto *ok = makeButton(QStringLiteral("OKButton"), QStringLiteral("OK"));
    root->addWidget(ok, 0, Qt::AlignHCenter);
    setInitialFocus(ok);
}

} // namespace bq

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

#include "platform/journal.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace bq {
namespace {

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace

void messageBox(const QString &prompt, BoxStyle style, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? applicationTitle() : title;
    Journal::instance().record(QStringLiteral("msgbox"), shownTitle, QString::number(int(style)) + u'|' + prompt);
    QMessageBox box(style == BoxStyle::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, shownTitle, prompt,
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

} // namespace bq

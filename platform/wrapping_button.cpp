// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace bq {

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(true);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(room, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace bq

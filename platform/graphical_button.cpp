// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/graphical_button.h"

#include "platform/art.h"

#include <QIcon>
#include <QKeyEvent>

namespace bq {

GraphicalButton::GraphicalButton(const QString &caption, const QString &iconPath, QWidget *parent) : QToolButton(parent)
{
    setText(caption);
    setIcon(sharedIcon(iconPath));
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
}

void GraphicalButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace bq

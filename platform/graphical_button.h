// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

namespace bq {

// A button that shows its picture above its caption. Enter presses it when it has the
// focus, like every other button of the game.
class GraphicalButton : public QToolButton {
    Q_OBJECT
public:
    GraphicalButton(const QString &caption, const QString &iconPath, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace bq

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace bq {

// A push button whose caption breaks onto further lines when the button is too narrow for
// it in one, as captions on small fixed-size buttons do.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace bq

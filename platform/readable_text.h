// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <functional>

class QWidget;

namespace bq {

// The contrast of two colours as the web's accessibility guidelines measure it, from 1 to 21:
// relative luminances L1 >= L2 of linear sRGB give (L1 + 0.05) / (L2 + 0.05).
qreal contrastRatio(const QColor &a, const QColor &b);

// The smallest contrast at which ordinary text reads well.
inline constexpr qreal kReadableContrast = 4.5;

// A text colour of the wanted hue that reads on the background: the wanted colour itself
// when it does; otherwise the same hue and saturation, lighter or darker as far as needed
// for a little more than the minimum. A colour without hue (black, grey) has none to keep: it gives way to `plainText`,
// the palette's own text colour, where that reads.
QColor readableColour(const QColor &wanted, const QColor &background, const QColor &plainText = {},
                      qreal minimum = kReadableContrast);

// Runs `choose` now and again whenever the widget's palette changes: for colours that depend
// on the desktop's palette, which may change while the program runs.
void followPalette(QWidget *widget, std::function<void()> choose);

// Shows the control's text in the readable colour of the wanted hue on the colour it stands
// on (its palette's background role), and chooses again whenever its palette changes, as
// when the desktop switches between a light and a dark theme while the program runs.
void keepTextReadable(QWidget *control, const QColor &wanted);

// A background colour set through the palette: cheaper than a style sheet, which gives every
// widget that has one a style of its own.
void setBackgroundColour(QWidget *widget, const QColor &colour);

} // namespace bq

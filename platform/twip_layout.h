// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>

#include <initializer_list>

namespace bq {

class Form;

// Layout for the screens whose every control has its place in twips.

// 15 twips make one pixel at 96 dpi.
constexpr int twips(int t)
{
    return t / 15;
}
QRect twipRect(int left, int top, int width, int height);

// A label with a fixed box.
struct PlacedLabel {
    const char *name;
    const char *text;
    QRect rect;
    QFont font;
    Qt::Alignment align;
    // The text's hue, shown readable on whatever the label stands on; the standard colour
    // when not given.
    const char *colour = nullptr;
};

// Word-wrapped labels of the screen in their boxes.
void placeLabels(Form &form, std::initializer_list<PlacedLabel> labels);

} // namespace bq

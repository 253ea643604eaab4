// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace bq::test {

// A light desktop: the standard palette of Qt's own style, as on a desktop without a theme.
inline QPalette lightDesktopPalette()
{
    return QApplication::style()->standardPalette();
}

// A dark desktop: the palette that GNOME's Adwaita-dark gives Qt programs through Qt's GTK
// platform theme (read under Xvfb with QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark).
inline QPalette darkDesktopPalette()
{
    using P = QPalette;
    QPalette palette = lightDesktopPalette();
    const std::pair<P::ColorRole, QRgb> colours[] = {{P::Window, 0x323232},
                                                     {P::WindowText, 0xf0f0f0},
                                                     {P::Base, 0x242424},
                                                     {P::AlternateBase, 0x2b2b2b},
                                                     {P::Text, 0xf0f0f0},
                                                     {P::Button, 0x323232},
                                                     {P::ButtonText, 0xf0f0f0},
                                                     {P::BrightText, 0x4b4b4b},
                                                     {P::Light, 0x4b4b4b},
                                                     {P::Midlight, 0x2a2a2a},
                                                     {P::Mid, 0x262626},
                                                     {P::Dark, 0x212121},
                                                     {P::Shadow, 0x191919},
                                                     {P::Highlight, 0x308cc6},
                                                     {P::HighlightedText, 0xf0f0f0},
                                                     {P::Link, 0x308cc6},
                                                     {P::PlaceholderText, 0xf0f0f0}};
    for (const auto &[role, rgb] : colours)
        palette.setColor(role, QColor(rgb));
    for (P::ColorRole role : {P::WindowText, P::Text, P::ButtonText})
        palette.setColor(P::Disabled, role, QColor(0x828282));
    palette.setColor(P::Disabled, P::Base, QColor(0x323232));
    return palette;
}

} // namespace bq::test

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
    const QColor text(0xf0, 0xf0, 0xf0);
    const QColor window(0x32, 0x32, 0x32);
    QPalette palette(text, window, QColor(0x4b, 0x4b, 0x4b), QColor(0x21, 0x21, 0x21), QColor(0x26, 0x26, 0x26),
                     text, QColor(0x4b, 0x4b, 0x4b), QColor(0x24, 0x24, 0x24), window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Midlight, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Shadow, QColor(0x19, 0x19, 0x19));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::PlaceholderText, text);
    const QColor disabledText(0x82, 0x82, 0x82);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    return palette;
}

} // namespace bq::test

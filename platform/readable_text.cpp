// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/readable_text.h"

#include <QEvent>
#include <QWidget>

#include <cmath>
#include <utility>

namespace bq {
namespace {

qreal linear(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

qreal luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Walks the lightness from the wanted colour's own towards white or black, whichever end
// stands further from the background, and stops where the contrast is first reached.
QColor shiftLightness(const QColor &wanted, const QColor &background, qreal minimum)
{
    const QColor hsl = wanted.toHsl();
    const qreal hue = qMax<qreal>(0, hsl.hslHueF());
    const qreal saturation = hsl.hslSaturationF();
    const bool lighter = contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background);
    qreal near = hsl.lightnessF();
    qreal far = lighter ? 1.0 : 0.0;
    // Measured as it will be painted: eight bits a channel.
    const auto at = [&](qreal lightness) { return QColor(QColor::fromHslF(hue, saturation, lightness).rgb()); };
    for (int step = 0; step < 24; ++step) {
        const qreal middle = (near + far) / 2;
        (contrastRatio(at(middle), background) >= minimum ? far : near) = middle;
    }
    return at(far);
}

// Runs a choice of colours now and after each change of the widget's palette. A choice that
// sets a colour changes the palette once more; the second run finds it set and changes nothing.
class PaletteFollower final : public QObject {
public:
    PaletteFollower(QWidget *widget, std::function<void()> choose)
        : QObject(widget), m_widget(widget), m_choose(std::move(choose))
    {
        widget->installEventFilter(this);
        m_choose();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::PaletteChange)
            m_choose();
        return false;
    }

private:
    QWidget *m_widget;
    std::function<void()> m_choose;
};

} // namespace

qreal contrastRatio(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableColour(const QColor &wanted, const QColor &background, const QColor &plainText, qreal minimum)
{
    if (contrastRatio(wanted, background) >= minimum)
        return wanted;
    const bool hueless = wanted.toHsl().hslHueF() < 0;
    if (hueless && plainText.isValid() && contrastRatio(plainText, background) >= minimum)
        return plainText;
    // A colour that has to change goes a little past the threshold, so that small text, and a
    // desktop whose background is a shade off the one measured, still reads.
    constexpr qreal kMargin = 0.5;
    return shiftLightness(wanted, background, minimum + kMargin);
}

void followPalette(QWidget *widget, std::function<void()> choose)
{
    new PaletteFollower(widget, std::move(choose));
}

void keepTextReadable(QWidget *control, const QColor &wanted)
{
    followPalette(control, [control, wanted] {
        const QWidget *parent = control->parentWidget();
        const QPalette &surroundings = parent ? parent->palette() : control->palette();
        const QColor colour = readableColour(wanted, control->palette().color(control->backgroundRole()),
                                             surroundings.color(control->foregroundRole()));
        QPalette palette = control->palette();
        if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour)
            return;
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        control->setPalette(palette);
    });
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace bq

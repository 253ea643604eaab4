#include "platform/readable_text.h"

#include <QEvent>
#include <QWidget>

#include <cmath>

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

// Chooses the control's colour again after each change of its palette. Setting the colour
// changes the palette once more; the second choice finds the colour already set and stops.
class ReadableText final : public QObject {
public:
    ReadableText(QWidget *control, const QColor &wanted)
        : QObject(control)
        , m_control(control)
        , m_wanted(wanted)
    {
        control->installEventFilter(this);
        choose();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_control && event->type() == QEvent::PaletteChange)
            choose();
        return false;
    }

private:
    void choose()
    {
        const QWidget *parent = m_control->parentWidget();
        const QPalette &surroundings = parent ? parent->palette() : m_control->palette();
        const QColor colour = readableColour(m_wanted, m_control->palette().color(m_control->backgroundRole()),
                                             surroundings.color(m_control->foregroundRole()));
        QPalette palette = m_control->palette();
        if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour)
            return;
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        m_control->setPalette(palette);
    }

    QWidget *m_control;
    QColor m_wanted;
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
    return shiftLightness(wanted, background, minimum);
}

void keepTextReadable(QWidget *control, const QColor &wanted)
{
    new ReadableText(control, wanted);
}

} // namespace bq

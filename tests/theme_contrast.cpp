// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every screen reads on what it is painted on, under a light and a dark desktop
// palette, also when the desktop switches between the two while the screen is open.
#include "catalogue/screen_catalogue.h"
#include "driver/desktop_palettes.h"
#include "driver/game_driver.h"
#include "platform/form_registry.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace {

using namespace bq;
using bq::test::screenNamed;

// Contrast as the web's accessibility guidelines define it: relative luminances of linearised
// sRGB, (L1 + 0.05) / (L2 + 0.05); ordinary text reads from 4.5:1.
constexpr qreal kReadable = 4.5;

qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](qreal c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const qreal la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The palette role a control paints its text with.
QPalette::ColorRole textRole(const QWidget *control)
{
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractScrollArea *>(control))
        return QPalette::Text;
    if (qobject_cast<const QPushButton *>(control) || qobject_cast<const QToolButton *>(control))
        return QPalette::ButtonText;
    return QPalette::WindowText; // labels, option buttons
}

// The colour that `painter` itself paints at a point; invalid where it leaves the point to
// what lies below it.
QColor paintedAt(QWidget *painter, const QPoint &point, QWidget::RenderFlags flags)
{
    QImage image(painter->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    painter->render(&image, {}, {}, flags);
    const QColor colour = image.pixelColor(point);
    return colour.alpha() == 255 ? colour : QColor();
}

// What a control's text is painted on: its own panel where it paints one (boxes, buttons),
// measured at its right edge halfway down, clear of its frame, text and cursor; else its own
// filled background; else the nearest ancestor that paints below it (a form may paint its own
// paper); else its window's background.
QColor paintedBehind(QWidget *control)
{
    if (textRole(control) != QPalette::WindowText) {
        const QPoint edge(control->width() - 4, control->height() / 2);
        if (const QColor panel = paintedAt(control, edge, QWidget::DrawChildren); panel.isValid())
            return panel;
    }
    for (QWidget *widget = control; widget; widget = widget->parentWidget()) {
        if (widget->autoFillBackground())
            return widget->palette().color(widget->backgroundRole());
        const QColor own =
            widget == control ? QColor() : paintedAt(widget, control->mapTo(widget, control->rect().center()), {});
        if (own.isValid())
            return own;
        if (widget->isWindow())
            return widget->palette().color(QPalette::Window);
    }
    return {};
}

bool showsText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->pixmap().isNull();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractScrollArea *>(widget);
}

} // namespace

class ThemeContrastTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(m_driver.finish(), QStringList()); }

    void textsRead_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("dark");
        for (const ScreenEntry &entry : screenCatalogue()) {
            for (bool dark : {false, true})
                QTest::addRow("%s %s", qPrintable(screenName(entry.screen)), dark ? "dark" : "light")
                    << screenName(entry.screen) << dark;
        }
    }

    void textsRead()
    {
        QFETCH(QString, screen);
        QFETCH(bool, dark);
        // Opened under the other theme: the switch to this one must bring every colour along.
        QApplication::setPalette(dark ? test::lightDesktopPalette() : test::darkDesktopPalette());
        m_driver.reset();
        Form *form = FormRegistry::instance().load(screenNamed(screen));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QApplication::setPalette(dark ? test::darkDesktopPalette() : test::lightDesktopPalette());
        QCoreApplication::processEvents(); // windows learn of the new palette through posted events

        QStringList unreadable;
        for (QWidget *control : form->findChildren<QWidget *>()) {
            if (!control->isVisible() || !showsText(control))
                continue;
            const QColor text = control->palette().color(textRole(control));
            const QColor behind = paintedBehind(control);
            if (const qreal ratio = contrast(text, behind); ratio < kReadable)
                unreadable << QStringLiteral("%1.%2: %3 on %4 is %5:1")
                                  .arg(screen, control->objectName(), text.name(), behind.name())
                                  .arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(u"; ")));
    }

private:
    test::GameDriver m_driver;
};

QTEST_MAIN(ThemeContrastTest)
#include "theme_contrast.moc"

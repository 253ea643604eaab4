// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bq {
namespace {

// Sees the first paint of any window; the window and all its controls are painted and
// put on the display before the zero timer fires, so that is the moment reported.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

void reportFirstPaintAndQuit()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintReporter(app));
}

} // namespace bq

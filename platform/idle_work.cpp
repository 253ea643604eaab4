// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/idle_work.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace bq {
namespace {

// Watches a window for its first paint, then hands the work to the event loop and goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget *window, std::function<void()> work) : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The zero timer fires once the paint has been flushed to the display; the work
            // goes with the window if the window goes first.
            QTimer::singleShot(0, watched, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

void runNext(std::shared_ptr<std::vector<std::function<void()>>> pieces, size_t next)
{
    if (next >= pieces->size())
        return;
    QTimer::singleShot(0, [pieces, next] {
        (*pieces)[next]();
        runNext(pieces, next + 1);
    });
}

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}

void runPiecesWhenIdle(std::vector<std::function<void()>> pieces)
{
    runNext(std::make_shared<std::vector<std::function<void()>>>(std::move(pieces)), 0);
}

} // namespace bq

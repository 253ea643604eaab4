#include "platform/art.h"

#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the game's library; the linker needs to be told.
static void initArtResources()
{
    Q_INIT_RESOURCE(art);
}

namespace bq {

void loadArt()
{
    static const bool loaded = [] {
        initArtResources();
        return true;
    }();
    Q_UNUSED(loaded);
}

QString artPath(const QString &artName)
{
    return QStringLiteral(":/art/") + artName + QStringLiteral(".svg");
}

QIcon artIcon(const QString &artName)
{
    return sharedIcon(artPath(artName));
}

QIcon sharedIcon(const QString &path)
{
    // A fresh QIcon would parse its picture again and keep its own drawings in the
    // pixmap cache, which then grows with every screen loaded. Never destroyed: the icons'
    // engine lives in a plugin that may be gone by the time static objects are destroyed.
    static auto *icons = new QHash<QString, QIcon>;
    auto it = icons->find(path);
    if (it == icons->end())
        it = icons->insert(path, QIcon(path));
    return it.value();
}

QPixmap artPixmap(const QString &artName, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(artPath(artName));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void showArt(QLabel *label, const QString &artName, QSize size)
{
    label->setPixmap(artPixmap(artName, size, label->devicePixelRatioF()));
    label->setFixedSize(size);
}

} // namespace bq

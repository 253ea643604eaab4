// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/art.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <cstring>
#include <optional>

namespace bq {
namespace {

QString &artFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void setArtFolder(const QString &folder)
{
    artFolder() = folder;
}

QString artPath(const QString &artName)
{
    return artFolder() + u'/' + artName + QStringLiteral(".svg");
}

QIcon artIcon(const QString &artName)
{
    return sharedIcon(artPath(artName));
}

namespace {

// The bitmap made from the picture at build time for exactly this many pixels: the pixels
// of the image the SVG draws, premultiplied 32-bit ARGB as they lie in memory.
QString bitmapPath(const QString &svgPath, QSize pixels)
{
    if (!svgPath.endsWith(QStringLiteral(".svg")))
        return {};
    return svgPath.chopped(4) + QStringLiteral("-%1x%2.argb").arg(pixels.width()).arg(pixels.height());
}

// That bitmap, or a null image where there is none.
QImage prerendered(const QString &svgPath, QSize pixels)
{
    const QResource resource(bitmapPath(svgPath, pixels));
    if (!resource.isValid())
        return {};
    const QByteArray pixelData = resource.uncompressedData();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || pixelData.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixelData.constData(), size_t(pixelData.size()));
    return image;
}

// The picture at exactly this many pixels: the bitmap made at build time where there is one,
// else drawn from the SVG. The drawing goes through Qt's SVG image plugin, which holds the
// same renderer the bitmaps were made with, so that the SVG library is loaded only when a
// picture is wanted at a size no bitmap was made for, never before the first screen shows.
QPixmap pictureAt(const QString &svgPath, QSize pixels)
{
    if (QImage bitmap = prerendered(svgPath, pixels); !bitmap.isNull())
        return QPixmap::fromImage(std::move(bitmap));
    QImageReader reader(svgPath, "svg");
    reader.setScaledSize(pixels);
    if (QImage drawn = reader.read(); drawn.size() == pixels)
        return QPixmap::fromImage(std::move(drawn));
    QPixmap empty(pixels);
    empty.fill(Qt::transparent);
    return empty;
}

// An icon drawn from its SVG file when a size of it is first needed, and kept in that size.
// Qt's own SVG icon engine reads the whole file once more as soon as the icon is made,
// only to check it, and loads a plugin to do so; screens are built faster without that.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString &path) : m_path(path) {}

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // Bitmaps are made only for sizes that keep the picture's proportions.
        if (QResource(bitmapPath(m_path, size)).isValid())
            return size;
        QSize natural = defaultSize();
        if (natural.isEmpty())
            return size;
        natural.scale(size, Qt::KeepAspectRatio);
        return natural;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize actual = actualSize(size, mode, state);
        const quint64 key = (quint64(quint32(actual.width())) << 32) | (quint32(actual.height()) << 2) | quint32(mode);
        if (const auto it = m_pixmaps.constFind(key); it != m_pixmaps.cend())
            return it.value();
        QPixmap drawn;
        if (mode == QIcon::Normal || mode == QIcon::Active) {
            drawn = pictureAt(m_path, actual);
        } else {
            // Greyed out or highlighted the way the style does it for any icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, pixmap(size, QIcon::Normal, state), &option);
        }
        m_pixmaps.insert(key, drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QString key() const override { return QStringLiteral("bq-svg"); }
    QIconEngine *clone() const override { return new SvgIconEngine(m_path); }

    void virtual_hook(int id, void *data) override
    {
        if (id == QIconEngine::IsNullHook) {
            *static_cast<bool *>(data) = !QFile::exists(m_path);
            return;
        }
        QIconEngine::virtual_hook(id, data);
    }

private:
    QSize defaultSize()
    {
        if (!m_defaultSize)
            m_defaultSize = QImageReader(m_path, "svg").size();
        return *m_defaultSize;
    }

    QString m_path;
    std::optional<QSize> m_defaultSize;
    QHash<quint64, QPixmap> m_pixmaps;
};

} // namespace

QIcon sharedIcon(const QString &path)
{
    // A fresh QIcon would parse its picture again and keep its own drawings in the
    // pixmap cache, which then grows with every screen loaded. Never destroyed: the icons
    // hold pixmaps, which must not outlive the application object, and static objects are
    // destroyed after it.
    static auto *icons = new QHash<QString, QIcon>;
    auto it = icons->find(path);
    if (it == icons->end())
        it = icons->insert(path, QIcon(new SvgIconEngine(path)));
    return it.value();
}

QPixmap artPixmap(const QString &artName, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap = pictureAt(artPath(artName), size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void showArt(QLabel *label, const QString &artName, QSize size)
{
    label->setPixmap(artPixmap(artName, size, label->devicePixelRatioF()));
    label->setFixedSize(size);
}

} // namespace bq

// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture of the game into bitmaps at build time, the way the game draws it
// (platform/art.cpp): the whole picture stretched over a transparent image of that many
// pixels. The game then takes the bitmaps for these sizes instead of drawing the SVG.
//
//   render_bitmaps PICTURE.svg OUTPUT_DIR WIDTHxHEIGHT...   writes OUTPUT_DIR/PICTURE-WxH.argb
//
// A bitmap is the image's pixels as they lie in memory (premultiplied 32-bit ARGB, this
// machine's byte order, no padding): nothing to decode when the game reads it, unlike PNG,
// whose decoding costs about as much as drawing the SVG.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render_bitmaps PICTURE.svg OUTPUT_DIR WIDTHxHEIGHT...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(0));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_bitmaps: cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    const QString name = QFileInfo(args.at(0)).completeBaseName();
    const QDir out(args.at(1));
    for (const QString &size : args.mid(2)) {
        const QStringList wh = size.split(u'x');
        const QSize pixels(wh.value(0).toInt(), wh.value(1).toInt());
        if (wh.size() != 2 || pixels.isEmpty()) {
            std::fprintf(stderr, "render_bitmaps: not a size: %s\n", qPrintable(size));
            return 2;
        }
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QFile file(out.filePath(QStringLiteral("%1-%2.argb").arg(name, size)));
        const QByteArray pixelData(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        if (image.bytesPerLine() != pixels.width() * 4 || !file.open(QIODevice::WriteOnly)
            || file.write(pixelData) != pixelData.size()) {
            std::fprintf(stderr, "render_bitmaps: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

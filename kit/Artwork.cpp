#include "kit/Artwork.h"

#include <QImageReader>
#include <QPixmapCache>

#include <iterator>

namespace {

// The artwork is PNG: read as such, without asking the image format
// plugins, which would all be loaded to look at the file first.
QPixmap ReadPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap ArtPixmap(const QString &path, qreal devicePixelRatio)
{
    // The scales the artwork is rendered for (tools/iconrender): the first
    // that is at least the screen's, the largest beyond it.
    static constexpr qreal kScales[] = {1.0, 1.25, 1.5, 1.75, 2.0};
    qreal scale = kScales[std::size(kScales) - 1];
    for (const qreal s : kScales)
        if (s >= devicePixelRatio - 0.01) {
            scale = s;
            break;
        }
    QString scaledPath = path;
    if (scale > 1.0)
        scaledPath.insert(scaledPath.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    // Several buttons carry the same glyph: each picture is decoded once.
    QPixmap pixmap;
    if (QPixmapCache::find(scaledPath, &pixmap))
        return pixmap;
    pixmap = ReadPng(scaledPath);
    pixmap.setDevicePixelRatio(scale);
    if (pixmap.isNull()) {
        pixmap = ReadPng(path);
        pixmap.setDevicePixelRatio(1.0);
    }
    QPixmapCache::insert(scaledPath, pixmap);
    return pixmap;
}

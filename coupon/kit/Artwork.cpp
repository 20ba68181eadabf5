#include "coupon/kit/Artwork.h"

#include <QImageReader>
#include <QPixmapCache>

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
    // Several buttons carry the same glyph: each picture is decoded once.
    const bool dense = devicePixelRatio > 1.0;
    const QString key = dense ? path + QLatin1String("@2x") : path;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (dense) {
        QString densePath = path;
        densePath.insert(densePath.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        pixmap = ReadPng(densePath);
        pixmap.setDevicePixelRatio(2.0);
    }
    if (pixmap.isNull()) {
        pixmap = ReadPng(path);
        pixmap.setDevicePixelRatio(1.0);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

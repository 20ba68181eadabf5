#include "coupon/Artwork.h"

QPixmap ArtPixmap(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString dense = path;
        dense.insert(dense.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap(dense);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(1.0);
    return pixmap;
}

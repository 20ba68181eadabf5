#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

QPixmap SvgPixmap(const QString &path, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    const QSize size = renderer.isValid() ? renderer.defaultSize() : QSize(1, 1);
    const qreal dpr = std::max<qreal>(1.0, devicePixelRatio);
    QPixmap pixmap(QSize(std::lround(size.width() * dpr), std::lround(size.height() * dpr)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

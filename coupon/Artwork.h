#pragma once

#include <QPixmap>
#include <QString>

// Renders an SVG resource at its own size, sharp at the screen's density.
QPixmap SvgPixmap(const QString &path, qreal devicePixelRatio);

#pragma once

#include <QPixmap>
#include <QString>

// A picture of the program's artwork, rendered to PNG at build time at its
// own size (name.png) and at twice that size (name@2x.png): the one that is
// sharp at the screen's density.
QPixmap ArtPixmap(const QString &path, qreal devicePixelRatio);

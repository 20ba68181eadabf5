#pragma once

#include <QPixmap>
#include <QString>

// A picture of the program's artwork, rendered to PNG at build time at its
// own size (name.png) and for screens scaled by 1.25, 1.5, 1.75 and 2
// (name@1.25x.png, ...): the one made for the screen's density, or for the
// next denser one, which Qt shrinks a little, never enlarges.
QPixmap ArtPixmap(const QString &path, qreal devicePixelRatio);

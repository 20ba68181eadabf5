// Renders the program icon's SVG to a square PNG at build time:
//   drawvane_iconrender <input.svg> <size in pixels> <output.png>
// Runs without a display: the icon is shapes and gradients only.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <input.svg> <size> <output.png>\n", argv[0]);
        return 2;
    }
    // No window is shown; the offscreen platform keeps the build free of a
    // display server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString input = QString::fromLocal8Bit(argv[1]);
    const int size = std::atoi(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (size <= 0 || size > 4096) {
        std::fprintf(stderr, "drawvane_iconrender: bad size %s\n", argv[2]);
        return 2;
    }
    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "drawvane_iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(output, "PNG")) {
        std::fprintf(stderr, "drawvane_iconrender: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

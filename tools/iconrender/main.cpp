// Renders the program's SVG artwork to PNG at build time, so that the
// program itself needs no SVG renderer:
//   drawvane_iconrender <input.svg> <size in pixels> <output.png>
//     a square picture of the given size (the program icon for the desktop);
//   drawvane_iconrender --art <input.svg> <output.png> <output@2x.png>
//     the picture at its own size and at twice its size, for ordinary and
//     high-density screens.
// Runs without a display: the artwork is shapes and gradients only.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Render(QSvgRenderer &renderer, QSize size, const QString &output)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(output, "PNG")) {
        std::fprintf(stderr, "drawvane_iconrender: cannot write %s\n", qPrintable(output));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const bool art = argc == 5 && std::strcmp(argv[1], "--art") == 0;
    if (argc != 4 && !art) {
        std::fprintf(stderr, "usage: %s <input.svg> <size> <output.png>\n"
                             "       %s --art <input.svg> <output.png> <output@2x.png>\n",
                     argv[0], argv[0]);
        return 2;
    }
    // No window is shown; the offscreen platform keeps the build free of a
    // display server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const char *input = art ? argv[2] : argv[1];
    QSvgRenderer renderer(QString::fromLocal8Bit(input));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "drawvane_iconrender: cannot read %s\n", input);
        return 1;
    }
    if (art) {
        const QSize size = renderer.defaultSize();
        return Render(renderer, size, QString::fromLocal8Bit(argv[3]))
                && Render(renderer, size * 2, QString::fromLocal8Bit(argv[4]))
            ? 0
            : 1;
    }
    const int size = std::atoi(argv[2]);
    if (size <= 0 || size > 4096) {
        std::fprintf(stderr, "drawvane_iconrender: bad size %s\n", argv[2]);
        return 2;
    }
    return Render(renderer, QSize(size, size), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}

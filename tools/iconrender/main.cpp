// Renders the program's SVG artwork to PNG at build time, so that the
// program itself needs no SVG renderer:
//   drawvane_iconrender <input.svg> <size in pixels> <output.png>
//     a square picture of the given size (the program icon for the desktop);
//   drawvane_iconrender --art <input.svg> <output.png> [<scale> <output>]...
//     the picture at its own size and at each scale given (1.25, 1.5, ...),
//     for ordinary and scaled screens;
//   drawvane_iconrender --ico <input.svg> <output.ico>
//     a Windows icon holding the picture at 16, 24, 32, 48 and 256 pixels.
// Runs without a display: the artwork is shapes and gradients only.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QImage Draw(QSvgRenderer &renderer, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool Render(QSvgRenderer &renderer, QSize size, const QString &output)
{
    // Stored without compression: the program reads them at every start,
    // and inflating costs more than the few bytes saved.
    if (!Draw(renderer, size).save(output, "PNG", 100)) {
        std::fprintf(stderr, "drawvane_iconrender: cannot write %s\n", qPrintable(output));
        return false;
    }
    return true;
}

void Put16(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray &out, qint64 value)
{
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

// An ICO file whose images are PNG data, as Windows reads them since Vista:
// a 6-byte header, a 16-byte entry per image, then the images.
bool WriteIco(QSvgRenderer &renderer, const QString &output)
{
    const QList<int> sizes = {16, 24, 32, 48, 256};
    QList<QByteArray> images;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!Draw(renderer, QSize(size, size)).save(&buffer, "PNG"))
            return false;
        images.append(png);
    }
    QByteArray ico;
    Put16(ico, 0);
    Put16(ico, 1); // icon
    Put16(ico, static_cast<int>(sizes.size()));
    qint64 offset = 6 + 16 * sizes.size();
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        ico.append(static_cast<char>(sizes[i] == 256 ? 0 : sizes[i])); // 0 stands for 256
        ico.append(static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]));
        ico.append('\0'); // no palette
        ico.append('\0');
        Put16(ico, 1);  // planes
        Put16(ico, 32); // bits per pixel
        Put32(ico, images[i].size());
        Put32(ico, offset);
        offset += images[i].size();
    }
    for (const QByteArray &image : images)
        ico.append(image);
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "drawvane_iconrender: cannot write %s\n", qPrintable(output));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const bool art = argc >= 4 && argc % 2 == 0 && std::strcmp(argv[1], "--art") == 0;
    const bool ico = argc == 4 && std::strcmp(argv[1], "--ico") == 0;
    if (argc != 4 && !art) {
        std::fprintf(stderr,
                     "usage: %s <input.svg> <size> <output.png>\n"
                     "       %s --art <input.svg> <output.png> [<scale> <output>]...\n"
                     "       %s --ico <input.svg> <output.ico>\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    // No window is shown; the offscreen platform keeps the build free of a
    // display server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const char *input = art || ico ? argv[2] : argv[1];
    QSvgRenderer renderer(QString::fromLocal8Bit(input));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "drawvane_iconrender: cannot read %s\n", input);
        return 1;
    }
    if (ico)
        return WriteIco(renderer, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    if (art) {
        const QSize size = renderer.defaultSize();
        if (!Render(renderer, size, QString::fromLocal8Bit(argv[3])))
            return 1;
        for (int i = 4; i + 1 < argc; i += 2) {
            const double scale = std::atof(argv[i]);
            if (scale < 1.0 || scale > 4.0) {
                std::fprintf(stderr, "drawvane_iconrender: bad scale %s\n", argv[i]);
                return 2;
            }
            // Whole device pixels: the program takes the picture's size
            // over the scale as its size on the screen.
            const QSize scaled(qRound(size.width() * scale), qRound(size.height() * scale));
            if (!Render(renderer, scaled, QString::fromLocal8Bit(argv[i + 1])))
                return 1;
        }
        return 0;
    }
    const int size = std::atoi(argv[2]);
    if (size <= 0 || size > 4096) {
        std::fprintf(stderr, "drawvane_iconrender: bad size %s\n", argv[2]);
        return 2;
    }
    return Render(renderer, QSize(size, size), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}

// Renders an SVG picture of the program into a square image of the given size: a PNG (the
// icon for the icon theme), or, for OUTPUT.argb, the raw premultiplied ARGB32 pixels that
// the program shows without decoding anything.
//   kerbu-render-icon SVG SIZE OUTPUT.png|OUTPUT.argb

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kerbu-render-icon SVG SIZE OUTPUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = QByteArray(argv[2]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (output.endsWith(QLatin1String(".argb"))) {
        QFile raw(output);
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        return raw.open(QIODevice::WriteOnly) &&
                       raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes
                   ? 0
                   : 1;
    }
    return image.save(output) ? 0 : 1;
}

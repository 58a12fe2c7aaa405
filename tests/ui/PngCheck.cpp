// Reads a PNG and prints "WIDTH HEIGHT COLOURS" (distinct colours, counted up
// to 1000), so that a shell test can tell a drawn window from a blank image.

#include <QGuiApplication>
#include <QImage>
#include <QSet>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zeku_png_check FILE.png\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 1000; ++y)
        for (int x = 0; x < image.width() && colours.size() < 1000; ++x)
            colours.insert(image.pixel(x, y));
    std::printf("%d %d %lld\n", image.width(), image.height(), static_cast<long long>(colours.size()));
    return 0;
}

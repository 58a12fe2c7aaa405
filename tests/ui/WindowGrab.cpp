// Saves what an X window of another program shows as a PNG, so that a shell
// test can look at the installed program's window from outside it.
//
// usage: zeku_window_grab WINDOW_ID OUTPUT.png   (the id as xdotool prints it)

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zeku_window_grab WINDOW_ID OUTPUT.png\n");
        return 2;
    }
    // Another program's window is reachable only through the X server.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (*end != '\0' || id == 0 || !screen) {
        std::fprintf(stderr, "no window %s\n", argv[1]);
        return 1;
    }
    const QPixmap shot = screen->grabWindow(static_cast<WId>(id));
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot save window %s as %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}

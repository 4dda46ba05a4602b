// A plain window for the compositor tests: "hourglint_test_window TITLE" shows TITLE until
// it is ended. With QT_QPA_PLATFORM=wayland it is a native Wayland client.
#include <QGuiApplication>
#include <QRasterWindow>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("hourglint-test-window"));
    QRasterWindow window;
    window.setTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("test window"));
    window.resize(320, 200);
    window.show();
    return app.exec();
}

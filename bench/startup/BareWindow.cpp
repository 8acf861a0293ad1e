// The yardstick of the start-up measurement: a bare Qt window of the launcher's client size, nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(768, 501);
    window.show();
    return QApplication::exec();
}

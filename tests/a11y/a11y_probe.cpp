// The experiment window alone, on a real X server with accessibility on, for tst_atspi_tree.py to read over
// AT-SPI and drive with real keys and mouse. Message boxes are recorded (and printed), never shown.

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ferrant-a11y-probe"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    InstallDesignFontSubstitutes();
    RegisterProgramCursors();
    TRecordingMessages messages;
    TVEK4Form window;
    window.move(0, 0);
    window.show();
    window.activateWindow();
    // Quits on its own after two minutes, should the reader die first.
    QTimer::singleShot(120000, &app, &QApplication::quit);
    std::printf("ready\n");
    std::fflush(stdout);
    const int rc = app.exec();
    for (const QString& text : messages.Texts())
        std::printf("box: %s\n", qPrintable(text));
    return rc;
}

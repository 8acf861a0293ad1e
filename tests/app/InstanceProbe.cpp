// ferrant-instance-probe <guard directory> <quit file> [--open FILE]: runs the program's start-up in a real
// process, with the single-instance lock in the given directory and message boxes written to stderr. Prints
// "started" once its launcher is up, and closes the launcher (ending the program the ordinary way) when the
// quit file exists.
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "app/EquipmentSelection.h"
#include "app/StartUp.h"
#include "platform/ErrorHandler.h"

int main(int argc, char** argv) {
    TFerrantApplication app(argc, argv);
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: ferrant-instance-probe <guard directory> <quit file> [--open FILE]\n");
        return 2;
    }
    const QString quitFile = QString::fromLocal8Bit(argv[2]);
    TStartupOptions options;
    options.GuardDirectory = QString::fromLocal8Bit(argv[1]);
    options.ScreenMessages = false;
    options.Started = [quitFile](TEquipmentSelectionForm& launcher) {
        std::printf("started\n");
        std::fflush(stdout);
        auto* poll = new QTimer(&launcher);
        QObject::connect(poll, &QTimer::timeout, &launcher, [quitFile, &launcher] {
            if (QFile::exists(quitFile)) launcher.close();
        });
        poll->start(20);
    };
    return RunFerrantDemo(options);
}

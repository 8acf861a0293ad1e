// vek2000-sim: a simulated VEK2000 data unit on a pseudo-terminal, for trying the live mode without the
// apparatus and for demonstrating what the program does when a unit misbehaves.
//
//   vek2000-sim [--com N] [--settings-folder DIR]
//
// With --com N it makes the terminal COM N for Ferrant Demo by putting a link "comN" in the settings folder
// (the program's own by default) and removes it on exit. Commands are read from standard input; "help"
// lists them.

#include "Vek2000Sim.h"
#include "link/serial/ComPortMap.h"
#include "platform/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {

char LinkPath[4096] = {};

void RemoveLinkAndExit(int) {
    if (LinkPath[0]) ::unlink(LinkPath);
    ::_exit(0);
}

} // namespace

int main(int argc, char** argv) {
    int com = 0;
    QString folder = UserSettingsFolder();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--com" && i + 1 < argc) {
            com = std::atoi(argv[++i]);
        } else if (arg == "--settings-folder" && i + 1 < argc) {
            folder = QDir::cleanPath(QString::fromLocal8Bit(argv[++i])) + QLatin1Char('/');
        } else {
            std::fprintf(stderr, "usage: vek2000-sim [--com N] [--settings-folder DIR]\n");
            return 2;
        }
    }
    if (com < 0 || com > HighestComPort) {
        std::fprintf(stderr, "COM number must be 1 to %d\n", HighestComPort);
        return 2;
    }

    TVek2000Sim sim;
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    sim.SetGauge(1, {-1.23, false, false});
    sim.SetGauge(2, {0.50, false, false});
    std::printf("VEK2000 simulator on %s\n", sim.SlavePath().c_str());

    if (com > 0) {
        QDir().mkpath(folder);
        const QString link = folder + QStringLiteral("com%1").arg(com);
        QFile::remove(link);
        if (!QFile::link(QString::fromStdString(sim.SlavePath()), link)) {
            std::fprintf(stderr, "could not create %s\n", qPrintable(link));
            return 1;
        }
        std::strncpy(LinkPath, QFile::encodeName(link).constData(), sizeof LinkPath - 1);
        std::signal(SIGINT, RemoveLinkAndExit);
        std::signal(SIGTERM, RemoveLinkAndExit);
        std::signal(SIGHUP, RemoveLinkAndExit);
        std::printf("Ferrant Demo sees it as COM%d (%s)\n", com, qPrintable(link));
    }
    std::printf("%s", TVek2000Sim::ConsoleHelp);
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        const TSimReply reply = sim.RunCommand(line);
        if (!reply.Text.empty())
            std::printf("%s%s", reply.Text.c_str(), reply.Text.back() == '\n' ? "" : "\n");
        std::fflush(stdout);
        if (reply.Quit) break;
    }
    if (LinkPath[0]) ::unlink(LinkPath);
    return 0;
}

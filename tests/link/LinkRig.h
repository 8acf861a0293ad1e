#pragma once
// A link manager wired to the simulated unit on a real pseudo-terminal: QSerialPort opens the slave side
// through a "comN" override in a temporary settings folder, the HID bus is scripted, and the timers are
// manual so the test fires every 110 ms and 55 ms tick itself.

#include "LinkDoubles.h"
#include "link/CommsModuleDM.h"
#include "link/serial/QtSerialPort.h"
#include "link/sim/Vek2000Sim.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the experiment window: records the wParam of every link update it is posted.
class TWindowDouble final : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == TLinkUpdateEvent::Type) {
            WParams << static_cast<TLinkUpdateEvent*>(e)->WParam;
            return true;
        }
        return QObject::event(e);
    }
    QList<int> Take() {
        QCoreApplication::sendPostedEvents(this);
        return std::exchange(WParams, {});
    }
    QList<int> WParams;
};

struct TLinkRig {
    static constexpr int ComNumber = 3;

    // tickMs: the length of a tick in the handshake's blocking waits. Long where the unit answers, so
    // that a busy machine cannot make a prompt reply late; short where nothing will ever come.
    explicit TLinkRig(int tickMs = 200, bool startSim = true,
                      const std::function<void(TScriptedHidLayer&)>& beforeCreate = {}) {
        Folder = Dir.path() + QLatin1Char('/');
        if (startSim) {
            std::string error;
            if (!Sim.Start(&error)) qFatal("simulator: %s", error.c_str());
            QFile::link(QString::fromStdString(Sim.SlavePath()),
                        Folder + QStringLiteral("com%1").arg(ComNumber));
        }
        TCommsPlatform platform;
        // Only the overrides exist: the machine's own ports stay out of the test.
        auto port = std::make_unique<TQtSerialPort>(TComPortMap(Folder, Dir.path() + QStringLiteral("/dev")));
        port->SetTickLength(tickMs);
        platform.Port = std::move(port);
        auto hid = std::make_unique<TScriptedHidLayer>();
        Hid = hid.get();
        if (beforeCreate) beforeCreate(*Hid);
        platform.Hid = std::move(hid);
        platform.Timers = [this] {
            auto timer = std::make_unique<TManualTimer>();
            Timers.push_back(timer.get());
            return timer;
        };
        platform.ListSerialPorts = [this] { return Ports; };
        Module = std::make_unique<TCommsModule>(std::move(platform));
        Module->Comm1().SetPortNumber(ComNumber);
        Module->WindowHandle = &Window;
    }

    TManualTimer& Timer1() { return *Timers.at(0); }
    TManualTimer& RxTick() { return *Timers.at(1); }

    // Waits until the unit has received `count` bytes in all and returns them.
    QByteArray Wire(qsizetype count) {
        Sim.WaitForReceived(count, 5000);
        return Sim.Received();
    }

    // Connects and waits for the set-up bytes: "4d" "3" "4g" "4e" 2 0 "4b" 28 "4a" 0.
    bool ConnectAndSetUp() {
        if (!Module->Connect()) return false;
        return Wire(15).size() == 15;
    }

    // Fires the three restart-delay ticks and waits for "4d" "4c".
    bool StartStream() {
        const qsizetype before = Sim.Received().size();
        for (int i = 0; i < 3; ++i)
            Timer1().Fire();
        return Sim.WaitForReceived(before + 4, 5000);
    }

    // Lets the port deliver what has arrived until `done` holds (or five seconds pass).
    template <typename F> bool Until(F done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 5000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }

    QTemporaryDir Dir;
    QString Folder;
    TVek2000Sim Sim;
    TScriptedHidLayer* Hid = nullptr;
    std::vector<TManualTimer*> Timers;
    std::vector<int> Ports{ComNumber};
    TWindowDouble Window;
    std::unique_ptr<TCommsModule> Module;
};

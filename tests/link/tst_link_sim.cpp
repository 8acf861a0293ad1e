// The simulated unit's fault modes and console, each run against the real link manager on a pseudo-
// terminal and held to what docs/link.md tells a technician to expect. never-answer and colon-no-m are in
// tst_link_serial, vanish in tst_link_manager.

#include "LinkRig.h"
#include "platform/MessageLayer.h"

#include <QProcess>

namespace {

constexpr double Gauge1Value = -1.23;

// Connected and streaming, the first frame read: the lamp is green. Frames come when the test says.
struct TSimRig : TLinkRig {
    TSimRig() {
        Sim.SetAutoStream(false);
        Sim.SetGauge(1, {Gauge1Value, false, false});
        if (!ConnectAndSetUp() || !StartStream()) qFatal("no connection");
        Sim.EmitFrame();
        if (!Until([this] { return Module->LinkState() == TLinkState::LinkOK; })) qFatal("no first frame");
        Window.Take();
    }
    [[nodiscard]] double Gauge(int n) const {
        return Module->Processor().Filter(n == 1 ? Gauge1Channel : Gauge2Channel).Average();
    }
    // Sends one frame as the fault mode has it and returns the window's posts once a reading has come.
    QList<int> Frame() {
        Sim.EmitFrame();
        QList<int> posted;
        if (!Until([&] {
                posted += Window.Take();
                return posted.contains(1);
            }))
            qWarning("no reading");
        return posted;
    }
};

} // namespace

class TLinkSimTest : public QObject {
    Q_OBJECT
private slots:
    void ShortFrameIsDroppedAndTheNextWholeFrameRestoresTheLink();
    void ShortFrameOnRealTimersFlickersAmberAndIsNeverGivenUp();
    void StrayKCostsOneFrameInTen();
    void GarbageHidesNoFrame();
    void StopStreamingIsRestartedOnceThenGivenUp();
    void GaugeCommands_data();
    void GaugeCommands();
    void LargestReadingsArriveWhole();
    void TheProgramAsATechnicianRunsIt();
};

void TLinkSimTest::ShortFrameIsDroppedAndTheNextWholeFrameRestoresTheLink() {
    TSimRig rig;
    // The quiet after a cut frame outlasts the packet time-out, and a cut frame with its quiet stays
    // within the watchdog, so whole frames keep the link up.
    const int timeOutMs = 6 * SerialTickMs;
    QVERIFY(TVek2000Sim::CutFrameQuietMs > timeOutMs + SerialTickMs);
    QVERIFY(200 + TVek2000Sim::CutFrameQuietMs < rig.Module->WatchdogLimit() * 110);

    rig.Sim.SetFault(TSimFault::ShortFrame);
    rig.Sim.SetAutoStream(true);
    for (int cycle = 0; cycle < 2; ++cycle) {
        // The cut frame: the collector holds its start and nothing completes it for the whole time-out.
        QVERIFY(rig.Until([&] { return rig.RxTick().Enabled(); }));
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < timeOutMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QVERIFY2(rig.RxTick().Enabled(), "the cut frame was completed by the bytes after it");
        }
        QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOK);
        for (int i = 0; i < 6; ++i)
            rig.RxTick().Fire();
        QCOMPARE(rig.Module->LinkState(), TLinkState::LinkUnstable); // amber: "Comms link unstable"
        QCOMPARE(rig.Window.Take(), QList<int>{2});
        // The whole frame after the quiet: green again, with the right reading.
        QVERIFY(rig.Until([&] { return rig.Module->LinkState() == TLinkState::LinkOK; }));
        QCOMPARE(rig.Window.Take(), (QList<int>{1, 2}));
        QCOMPARE(rig.Gauge(1), Gauge1Value);
    }
}

void TLinkSimTest::ShortFrameOnRealTimersFlickersAmberAndIsNeverGivenUp() {
    // As on the lab PC: every timer runs by itself.
    TRecordingMessages messages;
    QTemporaryDir dir;
    TVek2000Sim sim;
    QVERIFY(sim.Start());
    const QString folder = dir.path() + QLatin1Char('/');
    QVERIFY(QFile::link(QString::fromStdString(sim.SlavePath()), folder + QStringLiteral("com3")));
    TCommsPlatform platform;
    platform.Port = std::make_unique<TQtSerialPort>(TComPortMap(folder, dir.path() + QStringLiteral("/dev")));
    platform.Hid = std::make_unique<TScriptedHidLayer>();
    platform.Timers = QtTimerFactory();
    platform.ListSerialPorts = [] { return std::vector<int>{3}; };
    TCommsModule module(std::move(platform));
    module.Comm1().SetPortNumber(3);
    TWindowDouble window;
    module.WindowHandle = &window;
    QVERIFY(module.Connect());

    QList<TLinkState> states;
    int readings = 0;
    const auto watch = [&](int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            for (int w : window.Take()) {
                if (w & 1) ++readings;
                if (w & 2) states << module.LinkState();
            }
        }
    };
    watch(1000);
    QVERIFY(states.contains(TLinkState::LinkOK));
    sim.SetFault(TSimFault::ShortFrame);
    states.clear();
    readings = 0;
    watch(3000);
    const qsizetype amber = states.indexOf(TLinkState::LinkUnstable);
    QVERIFY2(amber >= 0, "the lamp never went amber");
    QVERIFY2(states.indexOf(TLinkState::LinkOK, amber) > amber, "no whole frame turned it green again");
    QVERIFY(readings >= 2);
    QVERIFY(module.Connected());
    QCOMPARE(messages.Texts(), QStringList{});
    module.Disconnect();
}

void TLinkSimTest::StrayKCostsOneFrameInTen() {
    TSimRig rig;
    rig.Sim.SetFault(TSimFault::StrayK);
    QList<double> read;
    for (int i = 0; i <= TVek2000Sim::StrayKEvery; ++i) {
        // No checksum: the frame read from the stray "K" is taken as good, and the lamp stays green.
        QCOMPARE(rig.Frame(), QList<int>{1});
        read << rig.Gauge(1);
    }
    QVERIFY2(read[0] != Gauge1Value, "the frame after the stray K was read rightly: the fault shows nothing");
    for (int i = 1; i < TVek2000Sim::StrayKEvery; ++i)
        QCOMPARE(read[i], Gauge1Value);
    QVERIFY(read[TVek2000Sim::StrayKEvery] != Gauge1Value); // the next stray "K"
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOK);
}

void TLinkSimTest::GarbageHidesNoFrame() {
    TSimRig rig;
    rig.Sim.SetFault(TSimFault::Garbage);
    rig.Sim.SetGauge(2, {0.0484, true, false});
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(rig.Frame(), QList<int>{1});
        QCOMPARE(rig.Gauge(1), Gauge1Value);
        QCOMPARE(rig.Gauge(2), 0.0484);
    }
}

void TLinkSimTest::StopStreamingIsRestartedOnceThenGivenUp() {
    TRecordingMessages messages;
    TSimRig rig;
    int lost = 0;
    rig.Module->LinkLost = [&] { ++lost; };
    rig.Sim.SetAutoStream(true);
    QVERIFY(rig.Until([&] { return rig.Window.Take().contains(1); }));
    rig.Sim.SetFault(TSimFault::StopStreaming);
    // A frame already on its way is read before the ticks start.
    QTest::qWait(300);
    rig.Window.Take();
    const qsizetype before = rig.Sim.Received().size();
    for (int i = 0; i < 8; ++i)
        rig.Timer1().Fire();
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff); // red
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    rig.Timer1().Fire(); // the restart: stream off, then on
    QCOMPARE(rig.Wire(before + 6).mid(before), QByteArray("4d4d4c"));
    QVERIFY(messages.Shown.empty());
    for (int i = 0; i < 8; ++i)
        rig.Timer1().Fire();
    QCOMPARE(messages.Texts(), QStringList{"Data overrun or loss of link"});
    QCOMPARE(lost, 1);
    QVERIFY(!rig.Module->Connected());
}

void TLinkSimTest::GaugeCommands_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply"); // the start of the reply; empty: taken silently
    QTest::addColumn<double>("value");  // gauge 1 afterwards (it starts at -1.23 mm)
    QTest::addColumn<bool>("inches");
    QTest::newRow("millimetres") << "gauge 1 -2.5 mm"
                                 << "" << -2.5 << false;
    QTest::newRow("no unit is millimetres") << "gauge 1 3"
                                            << "" << 3.0 << false;
    QTest::newRow("inches") << "gauge 1 0.0484 in"
                            << "" << 0.0484 << true;
    QTest::newRow("largest in millimetres") << "gauge 1 -9999.99 mm"
                                            << "" << -9999.99 << false;
    QTest::newRow("largest in inches") << "gauge 1 99.9999 in"
                                       << "" << 99.9999 << true;
    QTest::newRow("more than a frame carries")
        << "gauge 1 12345.678 mm"
        << "gauge 1: 12345.678 mm refused: out of range (at most 9999.99 mm or 99.9999 in" << -1.23 << false;
    QTest::newRow("rounds to a seventh digit")
        << "gauge 1 9999.995 mm"
        << "gauge 1: 9999.995 mm refused: out of range" << -1.23 << false;
    QTest::newRow("inches out of range") << "gauge 1 100 in"
                                         << "gauge 1: 100 in refused" << -1.23 << false;
    QTest::newRow("not a number") << "gauge 1 1.5x"
                                  << "not a number: 1.5x" << -1.23 << false;
    QTest::newRow("nan") << "gauge 1 nan mm"
                         << "not a number: nan" << -1.23 << false;
    QTest::newRow("unknown unit") << "gauge 1 2 cm"
                                  << "unit mm or in, not cm" << -1.23 << false;
    QTest::newRow("no gauge 3") << "gauge 3 1 mm"
                                << "usage: gauge <1|2>" << -1.23 << false;
}

void TLinkSimTest::GaugeCommands() {
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(double, value);
    QFETCH(bool, inches);
    TVek2000Sim sim;
    QVERIFY(sim.SetGauge(1, {-1.23, false, false}));
    const TSimReply answer = sim.RunCommand(line.toStdString());
    QVERIFY2(QString::fromStdString(answer.Text).startsWith(reply), answer.Text.c_str());
    QCOMPARE(reply.isEmpty(), answer.Text.empty());
    QCOMPARE(sim.Gauge(1).Value, value);
    QCOMPARE(sim.Gauge(1).Inches, inches);
    QVERIFY(!answer.Quit);
}

void TLinkSimTest::LargestReadingsArriveWhole() {
    TSimRig rig;
    QVERIFY(rig.Sim.RunCommand("gauge 1 -9999.99 mm").Text.empty());
    QVERIFY(rig.Sim.RunCommand("gauge 2 99.9999 in").Text.empty());
    rig.Frame();
    QCOMPARE(rig.Gauge(1), -9999.99);
    QCOMPARE(rig.Gauge(2), 99.9999);
    QVERIFY(rig.Module->Processor().Gauge1InMillimetres);
    QVERIFY(!rig.Module->Processor().Gauge2InMillimetres);
    QVERIFY(rig.Sim.RunCommand("gauge 2 error").Text.empty());
    rig.Frame();
    QCOMPARE(rig.Gauge(2), NoReading);
}

void TLinkSimTest::TheProgramAsATechnicianRunsIt() {
    TLinkRig rig(200, false); // the unit is the program, not an in-process simulator
    QProcess program;
    program.start(QStringLiteral(VEK2000_SIM), {"--com", "3", "--settings-folder", rig.Folder});
    QVERIFY(program.waitForStarted());
    QVERIFY(rig.Until([&] { return program.canReadLine(); }));
    const QString first = QString::fromLocal8Bit(program.readLine()).trimmed();
    QVERIFY2(first.startsWith(QStringLiteral("VEK2000 simulator on /dev/")), qPrintable(first));
    const QString link = rig.Folder + QStringLiteral("com3");
    QVERIFY(rig.Until([&] { return QFileInfo(link).isSymLink(); }));
    QCOMPARE(QFileInfo(link).symLinkTarget(), first.section(QLatin1Char(' '), 3));

    // Ferrant Demo on COM3 finds it, and reads gauge 1 at its starting -1.23 mm.
    QVERIFY(rig.Module->Connect());
    for (int i = 0; i < 3; ++i)
        rig.Timer1().Fire();
    QVERIFY(rig.Until([&] { return rig.Module->LinkState() == TLinkState::LinkOK; }));
    QCOMPARE(rig.Module->Processor().Filter(Gauge1Channel).Average(), -1.23);

    // A reading a frame cannot carry is refused, and the gauge keeps its reading.
    program.readAll();
    program.write("gauge 1 12345.678 mm\n");
    QVERIFY(rig.Until([&] { return program.canReadLine(); }));
    QVERIFY(program.readLine().startsWith("gauge 1: 12345.678 mm refused: out of range"));
    program.write("gauge 2 -0.5 in\n");
    QVERIFY(rig.Until([&] { return rig.Module->Processor().Filter(Gauge2Channel).Average() == -0.5; }));
    QCOMPARE(rig.Module->Processor().Filter(Gauge1Channel).Average(), -1.23);

    rig.Module->Disconnect();
    program.write("quit\n");
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink()); // its link is gone with it
}

QTEST_GUILESS_MAIN(TLinkSimTest)
#include "tst_link_sim.moc"

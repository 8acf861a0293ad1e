// The link manager on the serial link: the watchdog's restart and give-up, frame time-outs, a unit that
// vanishes mid-stream, and the settings file. The unit is the simulator on a pseudo-terminal; the test
// decides when each frame is sent and fires every timer tick itself.

#include "LinkRig.h"
#include "platform/DebugTrace.h"
#include "platform/MessageLayer.h"
#include "platform/SettingsFolder.h"

namespace {

// Connected, streaming, one frame received: the link is OK and the window's queue is empty.
struct TStreamingRig : TLinkRig {
    TStreamingRig() {
        Sim.SetAutoStream(false);
        Module->LinkLost = [this] { ++LinkLostCalls; };
        if (!ConnectAndSetUp()) qFatal("no connection");
        if (!StartStream()) qFatal("stream not started");
        Sim.EmitFrame();
        if (!Until([this] { return Module->LinkState() == TLinkState::LinkOK; })) qFatal("no first frame");
        Window.Take();
        Base = Sim.Received();
    }
    // The bytes written since the rig was set up, once `count` of them have arrived.
    QByteArray Since(qsizetype count) { return Wire(Base.size() + count).mid(Base.size()); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            QVERIFY(Timer1().Fire());
    }
    QByteArray Base;
    int LinkLostCalls = 0;
};

} // namespace

class TLinkManagerTest : public QObject {
    Q_OBJECT
private slots:
    void WatchdogRestartsOnceThenGivesUp();
    void StreamComesBackAfterTheRestart();
    void FrameTimeOutAfterTheRestartClearsAwaitingRestart();
    void PartialFrameIsUnstableUntilTheNextFrame();
    void UnitVanishingMidStream();
    void USBUnitPluggedInDuringASerialConnection();
    void LoadSettings_data();
    void LoadSettings();
    void SavedSettingsAreReadBack();
    void SavingKeepsTheOtherSections();
};

void TLinkManagerTest::WatchdogRestartsOnceThenGivesUp() {
    TRecordingMessages messages;
    TStreamingRig rig;
    QCOMPARE(rig.Module->WatchdogLimit(), 7); // 200 ms x 4 / 110 ms
    rig.Ticks(7);
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOK);
    // Eighth tick without a frame: stream off, link off.
    rig.Ticks(1);
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);
    QVERIFY(rig.Module->AwaitingRestart());
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    // Next tick: the restart.
    rig.Ticks(1);
    QCOMPARE(rig.Since(6), QByteArray("4d"
                                      "4d"
                                      "4c"));
    // Eight more ticks without a frame: given up.
    rig.Ticks(7);
    QVERIFY(rig.Module->Connected());
    QVERIFY(messages.Shown.empty());
    rig.Ticks(1);
    QCOMPARE(messages.Texts(), QStringList{"Data overrun or loss of link"});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
    QCOMPARE(rig.LinkLostCalls, 1);
    QVERIFY(!rig.Module->Connected());
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);
    QVERIFY(!rig.Timer1().Enabled());
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    QCOMPARE(rig.Since(8), QByteArray("4d"
                                      "4d"
                                      "4c"
                                      "4d")); // parked: stream off
}

void TLinkManagerTest::StreamComesBackAfterTheRestart() {
    TRecordingMessages messages;
    TStreamingRig rig;
    // The unit goes quiet while it streams in its own time.
    rig.Sim.SetFault(TSimFault::StopStreaming);
    rig.Sim.SetAutoStream(true);
    rig.Ticks(8);
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    // It recovers; the restart switches the stream on again and the first frame restores the link.
    rig.Sim.SetFault(TSimFault::None);
    rig.Ticks(1);
    QVERIFY(rig.Until([&] { return rig.Module->LinkState() == TLinkState::LinkOK; }));
    QVERIFY(!rig.Module->AwaitingRestart());
    QCOMPARE(rig.Module->WatchdogCount(), 0);
    QCOMPARE(rig.Window.Take().mid(0, 2), (QList<int>{1, 2}));
    QVERIFY(messages.Shown.empty());
    QCOMPARE(rig.LinkLostCalls, 0);
}

void TLinkManagerTest::FrameTimeOutAfterTheRestartClearsAwaitingRestart() {
    TRecordingMessages messages;
    TStreamingRig rig;
    rig.Ticks(9); // expiry and restart
    QVERIFY(rig.Module->AwaitingRestart());
    rig.Sim.EmitPartialFrame(20);
    QVERIFY(rig.Until([&] { return rig.RxTick().Enabled(); })); // the collector has its start byte
    for (int i = 0; i < 6; ++i)
        rig.RxTick().Fire();
    QVERIFY(!rig.Module->AwaitingRestart());
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff); // only an OK link becomes unstable
    // So the next expiry restarts the stream again instead of giving up.
    rig.Ticks(9);
    QVERIFY(messages.Shown.empty());
    QCOMPARE(rig.LinkLostCalls, 0);
    QVERIFY(rig.Module->Connected());
    QCOMPARE(rig.Since(12), QByteArray("4d"
                                       "4d"
                                       "4c"
                                       "4d"
                                       "4d"
                                       "4c"));
}

void TLinkManagerTest::PartialFrameIsUnstableUntilTheNextFrame() {
    TStreamingRig rig;
    rig.Sim.EmitPartialFrame(30);
    QVERIFY(rig.Until([&] { return rig.RxTick().Enabled(); }));
    for (int i = 0; i < 5; ++i)
        rig.RxTick().Fire();
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOK);
    rig.RxTick().Fire(); // sixth tick after the start byte
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkUnstable);
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    // The next complete frame restores the link; each frame posts its readings once.
    rig.Sim.EmitFrame();
    QVERIFY(rig.Until([&] { return rig.Module->LinkState() == TLinkState::LinkOK; }));
    QCOMPARE(rig.Window.Take(), (QList<int>{1, 2}));
    rig.Sim.EmitFrame();
    rig.Sim.EmitFrame();
    QList<int> posted;
    QVERIFY(rig.Until([&] {
        posted += rig.Window.Take();
        return posted.size() >= 2;
    }));
    QCOMPARE(posted, (QList<int>{1, 1}));
}

void TLinkManagerTest::UnitVanishingMidStream() {
    TRecordingMessages messages;
    TStreamingRig rig;
    rig.Sim.SetAutoStream(true);
    QVERIFY(rig.Until([&] { return rig.Window.Take().contains(1); }));
    rig.Sim.Vanish();
    // The port notices the terminal has gone and closes.
    QVERIFY(rig.Until([&] { return !rig.Module->Comm1().IsOpen(); }));
    for (int i = 0; i < 17 && rig.Module->Connected(); ++i) {
        rig.Timer1().Fire();
        QCoreApplication::processEvents();
    }
    QVERIFY(!rig.Module->Connected());
    QCOMPARE(messages.Texts(), QStringList{"Data overrun or loss of link"});
    QCOMPARE(rig.LinkLostCalls, 1);
    // Connecting again names the port that has gone.
    messages.Clear();
    QVERIFY(!rig.Module->Connect());
    QCOMPARE(messages.Texts(), QStringList{"Com port 3 does not exist"});
}

void TLinkManagerTest::USBUnitPluggedInDuringASerialConnection() {
    TRecordingTrace trace;
    TStreamingRig rig;
    rig.Hid->Plug(VekVendorID, VekProductID);
    QVERIFY(rig.Module->IsUSBConnected());
    rig.Sim.EmitFrame();
    QVERIFY(rig.Until([&] { return rig.Window.Take().contains(1); }));
    // The simulator's channel 2 sits at raw 2048: -0.29296875 in the serial encoding (the USB one would
    // read the same word as +41.67).
    QCOMPARE(rig.Module->Processor().Filter(2).Average(), -0.29296875);
    // Disconnecting parks the serial unit that is in use.
    rig.Module->Disconnect();
    QCOMPARE(rig.Since(2), QByteArray("4d"));
    QVERIFY(!rig.Timer1().Enabled());
    QVERIFY(rig.Hid->Written.empty());
}

void TLinkManagerTest::LoadSettings_data() {
    QTest::addColumn<QString>("file"); // empty: no file
    QTest::addColumn<bool>("writeFailedBefore");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("usbOnly");
    QTest::addColumn<bool>("loaded");
    const QString both = QStringLiteral("[Communiations]\nSerialPort=7\nUSBOnly=True\n");
    QTest::newRow("port and USB only") << both << false << 7 << true << true;
    QTest::newRow("USB only is case-sensitive")
        << QStringLiteral("[Communiations]\nSerialPort=4\nUSBOnly=true\n") << false << 4 << false << true;
    QTest::newRow("no file: nothing changes") << QString() << false << 3 << false << true;
    QTest::newRow("bad port ends the reading")
        << QStringLiteral("[Communiations]\nSerialPort=COM7\nUSBOnly=True\n") << false << 3 << false << false;
    QTest::newRow("port not read after a failed write") << both << true << 3 << true << true;
    QTest::newRow("section spelled otherwise is not ours")
        << QStringLiteral("[Communications]\nSerialPort=7\nUSBOnly=True\n") << false << 3 << false << true;
}

void TLinkManagerTest::LoadSettings() {
    QFETCH(QString, file);
    QFETCH(bool, writeFailedBefore);
    QFETCH(int, port);
    QFETCH(bool, usbOnly);
    QFETCH(bool, loaded);
    TLinkRig rig(10, false);
    rig.Module->SettingsFolder = rig.Folder;
    rig.Module->SettingsWriteFailed = writeFailedBefore;
    if (!file.isEmpty()) {
        QFile f(rig.Folder + QStringLiteral("FerrantSettings.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.toLatin1());
    }
    rig.Module->LoadSettings();
    QCOMPARE(rig.Module->ComPortNumber(), port);
    QCOMPARE(rig.Module->USBOnly, usbOnly);
    QCOMPARE(rig.Module->SettingsLoaded, loaded);
}

void TLinkManagerTest::SavedSettingsAreReadBack() {
    TLinkRig writer(10, false);
    writer.Module->SettingsFolder = writer.Folder;
    writer.Module->Comm1().SetPortNumber(5);
    writer.Module->USBOnly = true;
    writer.Module->SaveSettings(true);
    QVERIFY(!writer.Module->SettingsWriteFailed);
    QFile f(writer.Folder + QStringLiteral("FerrantSettings.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY2(text.contains("[Communiations]") && text.contains("SerialPort=5") &&
                 text.contains("USBOnly=True"),
             text.constData());

    TLinkRig reader(10, false);
    reader.Module->SettingsFolder = writer.Folder;
    reader.Module->LoadSettings();
    QCOMPARE(reader.Module->ComPortNumber(), 5);
    QVERIFY(reader.Module->USBOnly);

    // Without a folder nothing is read or written.
    TLinkRig none(10, false);
    none.Module->LoadSettings();
    QVERIFY(!none.Module->SettingsLoaded);
    // The program's own folder is the user's configuration folder, ending with a separator.
    QVERIFY(UserSettingsFolder().endsWith(QLatin1Char('/')));
    QVERIFY(UserSettingsFolder().contains(QStringLiteral("Ferrant Demo")));
}

// The file is shared: the laboratory tools keep [LabTools] in it, and the user's comments stay too.
void TLinkManagerTest::SavingKeepsTheOtherSections() {
    TLinkRig rig(10, false);
    rig.Module->SettingsFolder = rig.Folder;
    const QString path = rig.Module->SettingsFilePath();
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; set up for bench "
                "2\n[LabTools]\nEnabled=True\n\n[Communiations]\nSerialPort=1\nUSBOnly=False\n");
    }
    rig.Module->Comm1().SetPortNumber(5);
    rig.Module->USBOnly = true;
    rig.Module->SaveSettings(true);
    QVERIFY(!rig.Module->SettingsWriteFailed);
    rig.Module->USBOnly = false;
    rig.Module->SaveSettings(false); // no port list: the port line stays as it is
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("; set up for bench 2\n[LabTools]\nEnabled=True\n\n[Communiations]\n"
                                     "SerialPort=5\nUSBOnly=False\n"));
}

QTEST_GUILESS_MAIN(TLinkManagerTest)
#include "tst_link_manager.moc"

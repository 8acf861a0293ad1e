// The serial handshake and start, byte for byte, against the simulated unit on a real pseudo-terminal.

#include "LinkRig.h"
#include "platform/MessageLayer.h"

namespace {
const QByteArray SetUp("4d"
                       "3"
                       "4g"
                       "4e\x02\x00"
                       "4b\x1c"
                       "4a\x00",
                       15);
}

class TLinkSerialTest : public QObject {
    Q_OBJECT
private slots:
    void SuccessfulConnectionAndStart();
    void UnitThatNeverAnswers();
    void ColonWithoutM_data();
    void ColonWithoutM();
    void PortThatDoesNotExist_data();
    void PortThatDoesNotExist();
    void PortAvailability();
};

void TLinkSerialTest::SuccessfulConnectionAndStart() {
    TRecordingMessages messages;
    TLinkRig rig;
    rig.Sim.SetGauge(1, {-1.23, false, false});
    rig.Sim.SetGauge(2, {0.0484, true, false});
    QVERIFY(rig.Module->Connect());
    QVERIFY(rig.Module->Connected());
    QCOMPARE(rig.Wire(15), SetUp);
    QVERIFY(rig.Timer1().Enabled());
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);

    // The stream is switched on three timer ticks later.
    rig.Timer1().Fire();
    rig.Timer1().Fire();
    QVERIFY(!rig.Module->Driver().Port().BytesWaiting()); // still quiet: no frames before "4c"
    rig.Timer1().Fire();
    QCOMPARE(rig.Wire(19), SetUp + "4d4c");

    // The unit streams every 200 ms; the first frame turns the link OK.
    QVERIFY(rig.Until([&] { return rig.Module->LinkState() == TLinkState::LinkOK; }));
    const TProcessBlock& p = rig.Module->Processor();
    QVERIFY2(qAbs(p.Filter(Gauge1Channel).Average() - -1.23) < 1e-9,
             qPrintable(QString::number(p.Filter(22).Average())));
    QVERIFY(p.Gauge1InMillimetres);
    QVERIFY(qAbs(p.Filter(Gauge2Channel).Average() - 0.0484) < 1e-9);
    QVERIFY(!p.Gauge2InMillimetres);
    // The first frame posts its readings, then the change of state.
    const QList<int> first = rig.Window.Take();
    QVERIFY2(first.size() >= 2 && first[0] == 1 && first[1] == 2, qPrintable(QString::number(first.size())));
    QVERIFY(messages.Shown.empty());

    rig.Module->Disconnect();
    // Parking: stream off; no output words, since the set-up made their count 0.
    QCOMPARE(rig.Wire(21), SetUp + "4d4c" + "4d");
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);
    QVERIFY(!rig.Timer1().Enabled());
    QVERIFY(rig.Module->Comm1().IsOpen()); // the port stays open for the next connection
}

void TLinkSerialTest::UnitThatNeverAnswers() {
    TRecordingMessages messages;
    TLinkRig rig(10); // nothing will come: short ticks keep the test quick
    rig.Sim.SetFault(TSimFault::NeverAnswer);
    QVERIFY(!rig.Module->Connect());
    // "3" three times, each followed by "4d"; then the disconnect parks the unit: stream off and the
    // four output words (the set-up that sets their count to 0 never ran) at zero.
    const QByteArray handshake("4d"
                               "3"
                               "4d"
                               "3"
                               "4d"
                               "3"
                               "4d");
    QCOMPARE(rig.Wire(handshake.size() + 11), handshake + "4d" + QByteArray("1") + QByteArray(8, '\0'));
    QCOMPARE(messages.Texts(),
             QStringList{
                 "Could not communicate with Korvex device on COM: 3.  Select the correct COM port from the "
                 "Options page and check the equipment is switched on and the cable connected correctly."});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Warning);
    QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::Ok);
    QVERIFY(!rig.Module->Connected());
    QVERIFY(!rig.Timer1().Enabled());
    QCOMPARE(rig.Window.Take(), QList<int>{2});
}

void TLinkSerialTest::ColonWithoutM_data() {
    QTest::addColumn<TMsgResult>("answer");
    QTest::addColumn<bool>("connected");
    QTest::newRow("OK accepts the unit") << TMsgResult::Ok << true;
    QTest::newRow("Cancel declines it") << TMsgResult::Cancel << false;
}

void TLinkSerialTest::ColonWithoutM() {
    QFETCH(TMsgResult, answer);
    QFETCH(bool, connected);
    TRecordingMessages messages;
    messages.Answers = {TMsgResult::Ok, answer}; // Help's box is answered first, inside the question
    messages.HelpPresses = 1;
    TLinkRig rig(100);
    rig.Sim.SetFault(TSimFault::ColonNoM);
    QCOMPARE(rig.Module->Connect(), connected);
    QCOMPARE(messages.Shown.size(), size_t(2)); // the question, and what Help showed over it
    QCOMPARE(messages.Shown[0].Text,
             QStringLiteral("Device does not appear to be a VEK ADA (ROM version: 0). Continue anyway?"));
    QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::OkCancelHelp);
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Warning);
    QCOMPARE(messages.Shown[1].Icon, TMsgIcon::Information);
    QVERIFY(messages.Shown[1].Text.contains(QStringLiteral("switched on")));
    QCOMPARE(rig.Wire(5).left(5), QByteArray("4d"
                                             "3"
                                             "4g"));
    QCOMPARE(rig.Module->Connected(), connected);
}

void TLinkSerialTest::PortThatDoesNotExist_data() {
    QTest::addColumn<bool>("optionsChoosePort3");
    QTest::newRow("options cancelled") << false;
    QTest::newRow("options choose COM3, connect again") << true;
}

void TLinkSerialTest::PortThatDoesNotExist() {
    QFETCH(bool, optionsChoosePort3);
    TRecordingMessages messages;
    TLinkRig rig;
    rig.Module->Comm1().SetPortNumber(7);
    int optionsShown = 0;
    rig.Module->CommsOptionsDialog = [&](TCommsModule& m) {
        ++optionsShown;
        if (optionsChoosePort3) m.Comm1().SetPortNumber(3);
        return optionsChoosePort3;
    };
    QCOMPARE(rig.Module->Connect(), optionsChoosePort3);
    QCOMPARE(optionsShown, 1);
    QCOMPARE(messages.Texts(), QStringList{"Com port 7 does not exist"});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Warning);
    if (optionsChoosePort3) {
        QCOMPARE(rig.Wire(15), SetUp);
    } else {
        QVERIFY(!rig.Sim.WaitForReceived(1, 200)); // nothing was written anywhere
        QVERIFY(!rig.Module->Comm1().IsOpen());
        QCOMPARE(rig.Window.Take(), QList<int>{2});
    }
}

void TLinkSerialTest::PortAvailability() {
    TLinkRig rig;
    const TComPortMap map(rig.Folder, rig.Dir.path() + QStringLiteral("/dev"));
    QVERIFY(TQtSerialPort::IsPortAvailable(map, 3));  // the override: a pseudo-terminal
    QVERIFY(!TQtSerialPort::IsPortAvailable(map, 4)); // nothing behind COM4 here
    QVERIFY(!TQtSerialPort::IsPortAvailable(map, 0));
    QVERIFY(rig.ConnectAndSetUp());
    QVERIFY(TQtSerialPort::IsPortAvailable(map, 3)); // held by this program's own link: still there
    rig.Module->Disconnect();
}

QTEST_GUILESS_MAIN(TLinkSerialTest)
#include "tst_link_serial.moc"

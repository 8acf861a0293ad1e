// The USB link and the link manager's USB side on a scripted HID bus: check-out by vendor and product ID,
// report IDs, plug and unplug, the stream commands and the debug traces.

#include "LinkRig.h"
#include "platform/DebugTrace.h"
#include "platform/MessageLayer.h"

namespace {

// An input report: an unused byte, then the payload. Gauge 1 reads -1.23 mm (A = 0x0800, B = 0x2123,
// C = 0); channel 1 (W27) carries 0x8000, -6.66687 V in the USB encoding.
QByteArray UnitReport() {
    QByteArray data(57, '\0');
    data[0] = '\x5A';                   // not used
    auto word = [&](int k, int value) { // Wk lives in data bytes 1 + 2k and 2 + 2k
        data[1 + 2 * k] = char(value & 0xFF);
        data[2 + 2 * k] = char((value >> 8) & 0xFF);
    };
    word(5, 0x0800);
    word(4, 0x2123);
    word(27, 0x8000);
    return data;
}

TLinkRig RigWithUnit(int& unit) {
    return TLinkRig(10, false, [&](TScriptedHidLayer& hid) { unit = hid.Plug(VekVendorID, VekProductID); });
}

} // namespace

class TLinkUSBTest : public QObject {
    Q_OBJECT
private slots:
    void UnitPresentAtCreationIsCheckedOut();
    void OnlyTheRightVendorAndProductAreCheckedOut();
    void ConnectPrefersUSBAndDecodesItsReports();
    void UnitFoundByConnectsOwnScan();
    void FailedStartReportIsSilent();
    void UnplugDuringAConnection();
    void SecondUnitTakesOverWhenTheFirstGoes();
    void USBOnlyWithoutAUnit();
    void DisconnectWhileNotConnectedStillPostsAStateChange();
};

void TLinkUSBTest::UnitPresentAtCreationIsCheckedOut() {
    TRecordingTrace trace;
    int unit = 0;
    TLinkRig rig(10, false, [&](TScriptedHidLayer& hid) { unit = hid.Plug(VekVendorID, VekProductID); });
    QVERIFY(rig.Module->IsUSBConnected());
    QCOMPARE(rig.Module->USB().Device(), unit);
    QCOMPARE(trace.Lines, QStringList{"USB Device Connected"});
}

void TLinkUSBTest::OnlyTheRightVendorAndProductAreCheckedOut() {
    TRecordingTrace trace;
    TLinkRig rig(10, false, [](TScriptedHidLayer& hid) {
        hid.Plug(VekVendorID, VekProductID + 1);
        hid.Plug(VekVendorID + 1, VekProductID);
    });
    QVERIFY(!rig.Module->IsUSBConnected());
    QVERIFY(rig.Hid->CheckedOut.empty());
    QVERIFY(trace.Lines.isEmpty());
}

void TLinkUSBTest::ConnectPrefersUSBAndDecodesItsReports() {
    TRecordingTrace trace;
    TRecordingMessages messages;
    int unit = 0;
    TLinkRig rig(10, false, [&](TScriptedHidLayer& hid) { unit = hid.Plug(VekVendorID, VekProductID); });
    QVERIFY(rig.Module->Connect());
    QVERIFY(rig.Module->Connected());
    QVERIFY(!rig.Timer1().Enabled());                       // no watchdog on USB
    QVERIFY(!rig.Module->Comm1().IsOpen());                 // the serial port configured is not touched
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff); // until the first report
    QCOMPARE(rig.Hid->Written.size(), size_t(1));
    QCOMPARE(rig.Hid->Written[0].second, QByteArray("\x00\x02", 2));
    QVERIFY(trace.Lines.contains("USB Start Message Sent"));

    rig.Hid->SendReport(unit, 0, UnitReport());
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOK);
    const TProcessBlock& p = rig.Module->Processor();
    QVERIFY(qAbs(p.Filter(Gauge1Channel).Average() - -1.23) < 1e-12);
    QVERIFY(p.Gauge1InMillimetres);
    QVERIFY2(qAbs(p.Filter(1).Average() / 100 - -6.66687) < 1e-5,
             qPrintable(QString::number(p.Filter(1).Average())));
    QCOMPARE(rig.Window.Take(), (QList<int>{1, 2}));

    // Report ID 1 is not the unit's, and a short report is damaged: neither reaches the link manager.
    QByteArray other = UnitReport();
    other[10] = '\x09';
    rig.Hid->SendReport(unit, 1, other);
    rig.Hid->SendReport(unit, 0, other.left(56));
    QCOMPARE(rig.Window.Take(), QList<int>{});
    QVERIFY(qAbs(p.Filter(Gauge1Channel).Average() - -1.23) < 1e-12);
    QVERIFY(trace.Lines.contains("USB short report dropped (56 bytes)"));

    rig.Module->Disconnect();
    QCOMPARE(rig.Hid->Written.back().second, QByteArray("\x00\x00", 2));
    QVERIFY(trace.Lines.contains("USB Stop Message Sent"));
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    QVERIFY(messages.Shown.empty());
}

void TLinkUSBTest::UnitFoundByConnectsOwnScan() {
    TRecordingTrace trace;
    TLinkRig rig(10, false);
    // Plugged in since the last scan: only Connect's own scan finds it.
    THidDeviceInfo info;
    info.Id = 42;
    info.VendorID = VekVendorID;
    info.ProductID = VekProductID;
    rig.Hid->Present[42] = info;
    QVERIFY(rig.Module->Connect());
    QCOMPARE(rig.Module->USB().Device(), 42);
    QCOMPARE(trace.Lines,
             (QStringList{"USB Device Connected", "USB Device Located", "USB Start Message Sent"}));
}

void TLinkUSBTest::FailedStartReportIsSilent() {
    TRecordingTrace trace;
    TRecordingMessages messages;
    int unit = 0;
    TLinkRig rig = RigWithUnit(unit);
    rig.Hid->FailWrites = true;
    QVERIFY(rig.Module->Connect()); // counted as open all the same
    QVERIFY(!trace.Lines.contains("USB Start Message Sent"));
    QVERIFY(messages.Shown.empty());
}

void TLinkUSBTest::UnplugDuringAConnection() {
    TRecordingTrace trace;
    TRecordingMessages messages;
    int unit = 0;
    TLinkRig rig(10, false, [&](TScriptedHidLayer& hid) { unit = hid.Plug(VekVendorID, VekProductID); });
    int changes = 0;
    rig.Module->USBChanged = [&] {
        ++changes;
        // What the window does when told the unit has gone.
        if (!rig.Module->IsUSBConnected() && rig.Module->Connected()) rig.Module->Disconnect();
    };
    QVERIFY(rig.Module->Connect());
    rig.Window.Take();
    trace.Lines.clear();
    rig.Hid->Unplug(unit);
    QCOMPARE(changes, 1);
    QCOMPARE(trace.Lines, QStringList{"USB Device Disconnected"});
    QVERIFY(!rig.Module->Connected());
    QVERIFY(!rig.Module->IsUSBConnected());
    QCOMPARE(rig.Module->USB().Device(), 0);
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    // Reports still queued from the unit that has gone are not decoded.
    rig.Hid->SendReport(unit, 0, UnitReport());
    QCOMPARE(rig.Window.Take(), QList<int>{});

    // The next Connect falls back to the serial port; here there is none.
    rig.Ports.clear();
    QVERIFY(!rig.Module->Connect());
    QCOMPARE(messages.Texts(), QStringList{"No USB Device or Serial Port found."});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
    QVERIFY(rig.Timer1().Enabled()); // on but idle, as the unit's original program left it
}

void TLinkUSBTest::SecondUnitTakesOverWhenTheFirstGoes() {
    TRecordingTrace trace;
    int first = 0, second = 0;
    TLinkRig rig(10, false, [&](TScriptedHidLayer& hid) {
        first = hid.Plug(VekVendorID, VekProductID);
        second = hid.Plug(VekVendorID, VekProductID);
    });
    QCOMPARE(rig.Module->USB().Device(), first);
    rig.Hid->Unplug(first);
    QCOMPARE(rig.Module->USB().Device(), second);
    QCOMPARE(trace.Lines,
             (QStringList{"USB Device Connected", "USB Device Disconnected", "USB Device Connected"}));
}

void TLinkUSBTest::USBOnlyWithoutAUnit() {
    TRecordingMessages messages;
    TLinkRig rig(10, false);
    rig.Module->USBOnly = true;
    QVERIFY(!rig.Module->Connect());
    QCOMPARE(messages.Texts(), QStringList{"USB Device Not Connected"});
    QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
    QVERIFY(!rig.Timer1().Enabled());
    QVERIFY(!rig.Module->Comm1().IsOpen());
    QVERIFY(rig.Hid->Rescans > 0); // it looked before giving up
}

void TLinkUSBTest::DisconnectWhileNotConnectedStillPostsAStateChange() {
    TLinkRig rig(10, false);
    rig.Module->Disconnect();
    QVERIFY(!rig.Module->Connected());
    QCOMPARE(rig.Module->LinkState(), TLinkState::LinkOff);
    QCOMPARE(rig.Window.Take(), QList<int>{2});
    // Without a registered window nothing is posted, and nothing fails.
    rig.Module->WindowHandle = nullptr;
    rig.Module->Disconnect();
}

QTEST_GUILESS_MAIN(TLinkUSBTest)
#include "tst_link_usb.moc"

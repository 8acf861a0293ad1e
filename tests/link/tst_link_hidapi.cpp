// The hidapi layer: reading the report descriptor to tell numbered from unnumbered reports (hidapi hands
// them over differently), and the layer's behaviour on a machine without the unit.

#include "link/hid/HidApiLayer.h"

#include <QtTest>

class TLinkHidApiTest : public QObject {
    Q_OBJECT
private slots:
    void ReportIdsInDescriptor_data();
    void ReportIdsInDescriptor();
    void UnknownDevicesAreRefused();
};

void TLinkHidApiTest::ReportIdsInDescriptor_data() {
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<bool>("numbered");
    // Vendor page, 64-byte input and 2-byte output reports, no Report ID item.
    QTest::newRow("unnumbered reports")
        << QByteArray::fromHex("0600ff0901a10115002600ff7508954009018102950209019102c0") << false;
    QTest::newRow("Report ID 1") << QByteArray::fromHex("0600ff0901a1018501150026ff007508954009018102c0")
                                 << true;
    // 0x85 as the low byte of a two-byte Logical Maximum (133) is data, not an item.
    QTest::newRow("0x85 inside an item's data")
        << QByteArray::fromHex("0600ff0901a101158026850075088102c0") << false;
    // A long item (0xFE, size 2, tag 0x10) whose data holds 0x85 0x01.
    QTest::newRow("0x85 inside a long item") << QByteArray::fromHex("fe02108501c0") << false;
    QTest::newRow("item cut short at the end") << QByteArray::fromHex("0600ff26") << false;
    QTest::newRow("long item cut short") << QByteArray::fromHex("fe") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TLinkHidApiTest::ReportIdsInDescriptor() {
    QFETCH(QByteArray, descriptor);
    QFETCH(bool, numbered);
    QCOMPARE(DescriptorHasReportIds(descriptor), numbered);
}

void TLinkHidApiTest::UnknownDevicesAreRefused() {
    THidApiLayer hid(0);
    int changes = 0;
    hid.OnDeviceChange = [&] { ++changes; };
    hid.Rescan();
    QCOMPARE(changes, 1);
    // Whatever HID devices this machine has, an id never handed out is nobody's.
    QVERIFY(!hid.CheckOut(-5));
    QVERIFY(!hid.IsPluggedIn(-5));
    QVERIFY(!hid.WriteReport(-5, QByteArray(2, '\0')));
    hid.CheckIn(-5);
}

QTEST_GUILESS_MAIN(TLinkHidApiTest)
#include "tst_link_hidapi.moc"

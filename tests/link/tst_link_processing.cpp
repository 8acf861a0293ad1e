// Frame decoding and smoothing: gauge words, range levels, both analog encodings, the filters, the frame
// store of the serial driver and the acquisition set-up. Expected values are worked by hand from the
// unit's frame format in the comments.

#include "LinkDoubles.h"
#include "link/CeInterface.h"
#include "link/FramePayload.h"
#include "link/ProcessBlock.h"
#include "link/serial/PacketCollector.h"

#include <QtTest>

namespace {

// Words W0..W27 of a quiet serial frame: every analog channel at mid-scale, range level of code 0.
TFrameWordArray QuietSerialFrame() {
    TFrameWordArray w{};
    for (int c = 1; c <= 21; ++c)
        w[28 - c] = 0x0800;
    w[6] = 4095 - 2050;
    return w;
}

TProcessBlock MakeProcessor() {
    TProcessBlock p;
    p.SetChannelTable();
    return p;
}

} // namespace

class TLinkProcessingTest : public QObject {
    Q_OBJECT
private slots:
    void GaugeWords_data();
    void GaugeWords();
    void RangeLevels_data();
    void RangeLevels();
    void SerialAnalogChannelsAreFilteredFromTheFirstFrame();
    void FilterAveragesTheLastThreeValues();
    void USBAnalogExtremes();
    void ChannelTwentyOneHasItsOffsetAndGain();
    void GaugeInErrorGivesNoReadingAndKeepsItsUnit();
    void FrameStoreAlternatesBuffersAndReadsLittleEndian();
    void StartAcquisitionSendsTheSetUpAndArmsTheCollector();
};

void TLinkProcessingTest::GaugeWords_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("millimetres");
    // Digits 0 0 0 1 2 3, two places, sign set: -1.23.
    QTest::newRow("-1.23 mm") << 0x0800 << 0x2123 << 0x0000 << true << -1.23 << true;
    QTest::newRow("-1.23 inches (C bit 8)") << 0x0800 << 0x2123 << 0x0100 << true << -1.23 << false;
    // Only bit 8 of C carries the unit.
    QTest::newRow("other C bits ignored") << 0x0000 << 0x2123 << 0xFEFF << true << 1.23 << true;
    // Digits 1..6 = 1 2 3 4 5 6: A = 1<<12 | 3<<4 | 2, B = 5<<12 | 4<<8 | 0<<4 | 6.
    QTest::newRow("six digits, no point") << 0x1032 << 0x5406 << 0 << true << 123456.0 << true;
    QTest::newRow("seven places") << 0x0000 << 0x0071 << 0 << true << 1e-7 << true;
    // Digit 1 = 15 with five places: 15 x 10^0.
    QTest::newRow("digit above nine taken as it comes") << 0xF000 << 0x0050 << 0 << true << 15.0 << true;
    QTest::newRow("error bit 8") << 0x0100 << 0x2123 << 0 << false << 0.0 << true;
    QTest::newRow("error bit 9, digits ignored") << 0x9299 << 0x2123 << 0 << false << 0.0 << true;
    QTest::newRow("error bit 10") << 0x0400 << 0x2123 << 0 << false << 0.0 << true;
}

void TLinkProcessingTest::GaugeWords() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(bool, valid);
    QFETCH(double, value);
    QFETCH(bool, millimetres);
    const TGaugeReading r = DecodeGauge({std::uint16_t(a), std::uint16_t(b), std::uint16_t(c)});
    QCOMPARE(r.Valid, valid);
    if (valid) {
        QVERIFY2(qAbs(r.Value - value) <= 1e-12 * qMax(1.0, qAbs(value)),
                 qPrintable(QStringLiteral("got %1, want %2").arg(r.Value, 0, 'g', 17).arg(value)));
        QCOMPARE(r.InMillimetres, millimetres);
    }
}

void TLinkProcessingTest::RangeLevels_data() {
    QTest::addColumn<bool>("usb");
    QTest::addColumn<int>("previousLevel"); // applied first; 0 = none
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("bits");  // RangeBits 1..4, T or F
    QTest::addColumn<QString>("gains"); // gains of channels 17..20, "1" = 10, "0" = 100
    // Code 0: every range bit 0, so every entry true and every gain 10.
    QTest::newRow("serial 2050 code 0") << false << 0 << 2050 << true << "TTTT"
                                        << "1111";
    QTest::newRow("serial 3650 code 15") << false << 2050 << 3650 << true << "FFFF"
                                         << "0000";
    QTest::newRow("serial 2100 between windows, gains kept") << false << 2050 << 2100 << false << "FFFF"
                                                             << "1111";
    QTest::newRow("serial 2085 last of code 0") << false << 0 << 2085 << true << "TTTT"
                                                << "1111";
    QTest::newRow("serial 2086 just past code 0") << false << 3650 << 2086 << false << "FFFF"
                                                  << "0000";
    // Code 1 = 0001b: bit 0 set.
    QTest::newRow("serial 2118 code 1") << false << 0 << 2118 << true << "FTTT"
                                        << "0111";
    // Code 11 = 1011b, whose window is 76 wide.
    QTest::newRow("serial 3264 code 11") << false << 0 << 3264 << true << "FFTF"
                                         << "0010";
    QTest::newRow("usb -32761 below every window, gains kept") << true << -32000 << -32761 << false << "FFFF"
                                                               << "1111";
    QTest::newRow("usb -32760 code 0") << true << 0 << -32760 << true << "TTTT"
                                       << "1111";
    QTest::newRow("usb 791 code 0") << true << 0 << 791 << true << "TTTT"
                                    << "1111";
    QTest::newRow("usb 792 code 1") << true << 0 << 792 << true << "FTTT"
                                    << "0111";
    QTest::newRow("usb 32767 code 15") << true << -32000 << 32767 << true << "FFFF"
                                       << "0000";
}

void TLinkProcessingTest::RangeLevels() {
    QFETCH(bool, usb);
    QFETCH(int, previousLevel);
    QFETCH(int, level);
    QFETCH(bool, valid);
    QFETCH(QString, bits);
    QFETCH(QString, gains);
    TProcessBlock p = MakeProcessor();
    const TFrameEncoding encoding = usb ? TFrameEncoding::USB : TFrameEncoding::Serial;
    // Serial carries 4095 - level in the low 12 bits; the top four bits are noise.
    auto word = [&](int l) {
        return std::uint16_t(usb ? std::uint16_t(std::int16_t(l)) : 0xA000 | (4095 - l));
    };
    TFrameWordArray w = QuietSerialFrame();
    if (previousLevel) {
        w[6] = word(previousLevel);
        p.DecodeFrame(w, encoding);
    }
    w[6] = word(level);
    p.DecodeFrame(w, encoding);
    QCOMPARE(p.RangeValid, valid);
    QString gotBits, gotGains;
    for (int k = 0; k < 4; ++k) {
        gotBits += p.RangeBits[k] ? 'T' : 'F';
        gotGains += p.ChannelGain[16 + k] == 10.0f ? '1' : (p.ChannelGain[16 + k] == 100.0f ? '0' : '?');
    }
    QCOMPARE(gotBits, bits);
    QCOMPARE(gotGains, gains);
}

void TLinkProcessingTest::SerialAnalogChannelsAreFilteredFromTheFirstFrame() {
    TProcessBlock p = MakeProcessor();
    TFrameWordArray w = QuietSerialFrame();
    // Channel 5 is W23. Raw 0x800: (4095 - 2048) / 4096 x 12 - 6 = -0.0029296875 V, x 100 = -0.29296875.
    // The top four bits are not part of the reading.
    w[23] = 0xF800;
    p.DecodeFrame(w, TFrameEncoding::Serial);
    QVERIFY(p.Primed);
    QCOMPARE(p.Filter(5).Average(), -0.29296875);
    // Raw 0: 4095 / 4096 x 12 - 6 = 5.9970703125 V -> 599.70703125; mean of the three slots
    // (-0.29296875 - 0.29296875 + 599.70703125) / 3 = 199.70703125.
    w[23] = 0x0000;
    p.DecodeFrame(w, TFrameEncoding::Serial);
    QCOMPARE(p.Filter(5).Average(), 199.70703125);
}

void TLinkProcessingTest::FilterAveragesTheLastThreeValues() {
    TFilter f(3);
    f.Reset(-0.293);
    QCOMPARE(f.Average(), -0.293);
    struct {
        double Add, Average;
    } const steps[] = {{1.0, (-0.293 - 0.293 + 1.0) / 3}, {2.0, (-0.293 + 1.0 + 2.0) / 3}, {3.0, 2.0}};
    for (const auto& s : steps)
        QVERIFY(qAbs(f.Add(s.Add) - s.Average) < 1e-12);
    TFilter single(1);
    single.Reset(5);
    QCOMPARE(single.Add(-7.5), -7.5);
    // Out-of-range lengths are brought into 1..10 rather than writing past the slots.
    TFilter wide(25);
    QCOMPARE(wide.Length(), 10);
}

void TLinkProcessingTest::USBAnalogExtremes() {
    TProcessBlock p = MakeProcessor();
    TFrameWordArray w{};
    w[27] = 0x8000; // channel 1: -32768 / 32767 x 20 / 3 = -6.66687 V
    w[26] = 0x7FFF; // channel 2: 32767 / 32767 x 20 / 3 = 6.66667 V
    p.DecodeFrame(w, TFrameEncoding::USB);
    QVERIFY2(qAbs(p.Filter(1).Average() / 100 - -6.66687) < 1e-5,
             qPrintable(QString::number(p.Filter(1).Average())));
    QVERIFY2(qAbs(p.Filter(2).Average() / 100 - 6.66667) < 1e-5,
             qPrintable(QString::number(p.Filter(2).Average())));
}

void TLinkProcessingTest::ChannelTwentyOneHasItsOffsetAndGain() {
    TProcessBlock p = MakeProcessor();
    TFrameWordArray w = QuietSerialFrame(); // W7 = 0x800: -0.0029296875 V
    p.DecodeFrame(w, TFrameEncoding::Serial);
    // (-0.0029296875 - 2.481445) x 66.14987 = -164.3411
    QVERIFY2(qAbs(p.Filter(21).Average() - -164.3411) < 1e-3,
             qPrintable(QString::number(p.Filter(21).Average())));
}

void TLinkProcessingTest::GaugeInErrorGivesNoReadingAndKeepsItsUnit() {
    TProcessBlock p = MakeProcessor();
    TFrameWordArray w = QuietSerialFrame();
    w[5] = 0x0800, w[4] = 0x2123, w[3] = 0x0100; // gauge 1: -1.23 inches
    w[2] = 0x0000, w[1] = 0x5021, w[0] = 0x0000; // gauge 2: digits 0 0 0 0 5 1, two places: 0.51 mm
    p.DecodeFrame(w, TFrameEncoding::Serial);
    QVERIFY(qAbs(p.Filter(Gauge1Channel).Average() - -1.23) < 1e-12);
    QVERIFY(!p.Gauge1InMillimetres);
    QVERIFY(qAbs(p.Filter(Gauge2Channel).Average() - 0.51) < 1e-12);
    QVERIFY(p.Gauge2InMillimetres);

    w[5] = 0x0A00; // bit 9: no valid reading
    p.DecodeFrame(w, TFrameEncoding::Serial);
    QCOMPARE(p.Filter(Gauge1Channel).Average(), NoReading);
    QVERIFY(!p.Gauge1InMillimetres);
}

void TLinkProcessingTest::FrameStoreAlternatesBuffersAndReadsLittleEndian() {
    TScriptedSerialPort port;
    TCeInterface driver(port);
    QByteArray payload(56, '\0');
    payload[10] = '\x00'; // W5 low byte
    payload[11] = '\x08'; // W5 high byte: 0x0800
    payload[54] = '\x34';
    payload[55] = '\x12'; // W27 = 0x1234
    QCOMPARE(driver.CurrentBuffer(), 0);
    driver.StoreFrame(payload.constData(), payload.size());
    QCOMPARE(driver.CurrentBuffer(), 1);
    QCOMPARE(driver.FrameWord(5), std::uint16_t(0x0800));
    QCOMPARE(driver.FrameWord(27), std::uint16_t(0x1234));
    driver.StoreFrame(QByteArray(56, '\x01').constData(), 56);
    QCOMPARE(driver.CurrentBuffer(), 0);
    QCOMPARE(driver.FrameWord(27), std::uint16_t(0x0101));
    // An oversized store is cut at the buffer; words outside 0..27 read as 0.
    driver.StoreFrame(QByteArray(500, '\x02').constData(), 500);
    QCOMPARE(driver.FrameWord(0), std::uint16_t(0x0202));
    QCOMPARE(driver.FrameWord(28), std::uint16_t(0));
}

void TLinkProcessingTest::StartAcquisitionSendsTheSetUpAndArmsTheCollector() {
    TScriptedSerialPort port;
    port.IsPortOpen = true;
    TCeInterface driver(port);
    TPacketCollector collector;
    TProcessBlock p = MakeProcessor();
    p.Driver = &driver;
    p.Collector = &collector;
    p.Port = &port;
    p.Primed = true;
    driver.StoreFrame(QByteArray(56, '\0').constData(), 56);
    p.StartAcquisition();
    // Interval 200 ms in tenths; 28 words in; 0 words out.
    QCOMPARE(port.Written, QByteArray("4e\x02\x00"
                                      "4b\x1c"
                                      "4a\x00",
                                      10));
    QCOMPARE(driver.OutputCount(), 0);
    QCOMPARE(driver.CurrentBuffer(), 0);
    QCOMPARE(collector.PacketSize(), 57);
    QCOMPARE(collector.TimeOut(), 6); // 57 x 1.1 / 9.6 = 6.53 ticks
    QVERIFY(collector.Enabled());
    QVERIFY(!p.Primed);
}

QTEST_APPLESS_MAIN(TLinkProcessingTest)
#include "tst_link_processing.moc"

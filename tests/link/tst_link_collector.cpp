// The packet collector: start byte, packet length, time-out counted in ticks from the start byte, and what
// a flush does to a packet in progress.

#include "LinkDoubles.h"
#include "link/serial/PacketCollector.h"

#include <QtTest>

namespace {

QByteArray Frame(char fill, int size = 57) {
    return QByteArray(1, 'K') + QByteArray(size - 1, fill);
}

struct TEvents {
    QList<QByteArray> Packets;
    int Timeouts = 0;
};

void Bind(TPacketCollector& c, TEvents& e) {
    c.OnPacket = [&e](const QByteArray& p) { e.Packets << p; };
    c.OnTimeout = [&e] { ++e.Timeouts; };
}

} // namespace

class TPacketCollectorTest : public QObject {
    Q_OBJECT
private slots:
    void Streams_data();
    void Streams();
    void TimeOutCountsTicksFromTheStartByte();
    void FlushInsideThePacketHandlerDropsTheRestOfTheChunk();
    void RxDataFollowsThePortAndRunsItsTickOnlyWhileCollecting();
    void APacketAfterASlowOneHasItsOwnTimeOut();
};

void TPacketCollectorTest::Streams_data() {
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("packets");
    const QByteArray a = Frame('a'), b = Frame('b');
    QTest::newRow("one frame") << QList<QByteArray>{a} << QList<QByteArray>{a};
    QTest::newRow("noise before the start byte is skipped")
        << QList<QByteArray>{QByteArray("\x00\x01kz", 4) + a} << QList<QByteArray>{a};
    QTest::newRow("two frames in one chunk") << QList<QByteArray>{a + b} << QList<QByteArray>{a, b};
    QTest::newRow("a frame split byte by byte") << [&] {
        QList<QByteArray> bytes;
        for (char c : a)
            bytes << QByteArray(1, c);
        return bytes;
    }() << QList<QByteArray>{a};
    // A stray K starts a packet that swallows the head of the real frame; the rest of that frame is
    // skipped up to the next K, as the unit's frames carry no other marker.
    QTest::newRow("stray K shifts the packet")
        << QList<QByteArray>{QByteArray("K\x01\x02", 3) + a + b}
        << QList<QByteArray>{(QByteArray("K\x01\x02", 3) + a).left(57), b};
    QTest::newRow("incomplete frame is held") << QList<QByteArray>{a.left(40)} << QList<QByteArray>{};
}

void TPacketCollectorTest::Streams() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, packets);
    TPacketCollector c;
    c.SetPacketSize(57);
    TEvents e;
    Bind(c, e);
    for (const QByteArray& chunk : chunks)
        c.Feed(chunk);
    QCOMPARE(e.Packets, packets);
    QCOMPARE(e.Timeouts, 0);
}

void TPacketCollectorTest::TimeOutCountsTicksFromTheStartByte() {
    TPacketCollector c;
    c.SetPacketSize(57);
    c.SetTimeOut(6);
    TEvents e;
    Bind(c, e);
    c.Tick(); // idle ticks count for nothing
    c.Feed(Frame('x').left(20));
    for (int i = 0; i < 5; ++i)
        c.Tick();
    QCOMPARE(e.Timeouts, 0);
    c.Tick();
    QCOMPARE(e.Timeouts, 1);
    QVERIFY(!c.Collecting());
    // The remainder of the cut frame is skipped; the next frame arrives whole.
    c.Feed(Frame('x').mid(20) + Frame('y'));
    QCOMPARE(e.Packets, QList<QByteArray>{Frame('y')});
}

void TPacketCollectorTest::FlushInsideThePacketHandlerDropsTheRestOfTheChunk() {
    TPacketCollector c;
    c.SetPacketSize(57);
    TEvents e;
    c.OnPacket = [&](const QByteArray& p) {
        e.Packets << p;
        c.Reset();
    };
    c.Feed(Frame('a') + Frame('b'));
    QCOMPARE(e.Packets.size(), 1);
    QVERIFY(!c.Collecting());
}

void TPacketCollectorTest::RxDataFollowsThePortAndRunsItsTickOnlyWhileCollecting() {
    TScriptedSerialPort port;
    auto timer = std::make_unique<TManualTimer>();
    TManualTimer& tick = *timer;
    TRxData rx(port, std::move(timer));
    rx.Collector.SetPacketSize(57);
    rx.Collector.SetTimeOut(6);
    TEvents e;
    Bind(rx.Collector, e);
    QCOMPARE(tick.Interval(), 55);
    port.Arrive(Frame('a').left(10));
    QVERIFY(tick.Enabled());
    // A flush of the port also drops the packet begun: those bytes were received and not read.
    port.DiscardInput();
    QVERIFY(!tick.Enabled());
    port.Arrive(Frame('a').mid(10));
    port.Arrive(Frame('b'));
    QCOMPARE(e.Packets, QList<QByteArray>{Frame('b')});
    port.Arrive(Frame('c').left(5));
    for (int i = 0; i < 6; ++i)
        QVERIFY(tick.Fire());
    QCOMPARE(e.Timeouts, 1);
    QVERIFY(!tick.Enabled());
}

// A packet that took all but one of its ticks leaves none of them to the next: each packet's time-out
// counts from its own start byte.
void TPacketCollectorTest::APacketAfterASlowOneHasItsOwnTimeOut() {
    TScriptedSerialPort port;
    auto timer = std::make_unique<TManualTimer>();
    TManualTimer& tick = *timer;
    TRxData rx(port, std::move(timer));
    rx.Collector.SetPacketSize(57);
    rx.Collector.SetTimeOut(6);
    TEvents e;
    Bind(rx.Collector, e);
    for (const char fill : {'a', 'b', 'c'}) {
        port.Arrive(Frame(fill).left(30));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(tick.Fire());
            QCOMPARE(e.Timeouts, 0);
        }
        port.Arrive(Frame(fill).mid(30));
        QCOMPARE(e.Packets.size(), qsizetype(fill - 'a' + 1));
        QCOMPARE(e.Packets.back(), Frame(fill));
        QVERIFY(!tick.Enabled());
    }
    // A packet begun in the same chunk as the end of the last one gets its whole time-out as well.
    port.Arrive(Frame('d').left(10));
    for (int i = 0; i < 5; ++i)
        QVERIFY(tick.Fire());
    port.Arrive(Frame('d').mid(10) + Frame('e').left(10));
    for (int i = 0; i < 5; ++i) {
        QVERIFY(tick.Fire());
        QCOMPARE(e.Timeouts, 0);
    }
    QVERIFY(tick.Fire());
    QCOMPARE(e.Timeouts, 1);
    QCOMPARE(e.Packets.size(), qsizetype(4));
}

QTEST_APPLESS_MAIN(TPacketCollectorTest)
#include "tst_link_collector.moc"

// The beam layout model: station mapping, arrangements and where the UDL goes.
#include <QtTest>

#include "model/BeamLayout.h"

Q_DECLARE_METATYPE(TSupportArrangement)

namespace {

TBeamLayout WithKnifeEdges(int s1, int s2) {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = s1;
    l.KnifeEdge2Station = s2;
    l.UpdateKnifeEdgeOrder();
    return l;
}

} // namespace

class TestBeamLayout : public QObject {
    Q_OBJECT
private slots:
    void PixelToStationTable_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("station");
        QTest::newRow("left of the beam") << 80 << 0;
        QTest::newRow("last pixel of station 0") << 90 << 0;
        QTest::newRow("first pixel of station 1") << 91 << 1;
        QTest::newRow("last pixel of station 1") << 96 << 1;
        QTest::newRow("first pixel of station 2") << 97 << 2;
        QTest::newRow("first pixel of station 60") << 440 << 60;
        QTest::newRow("right of the beam") << 449 << 60;
    }
    void PixelToStationTable() {
        QFETCH(int, x);
        QFETCH(int, station);
        QCOMPARE(PixelToStation(x), station);
    }

    void EveryStationXMapsBack() {
        for (int i = 0; i < StationCount; ++i)
            QCOMPARE(PixelToStation(StationX[i]), i);
        // Steps of 5 or 6 pixels only.
        for (int i = 1; i < StationCount; ++i)
            QVERIFY2(StationX[i] - StationX[i - 1] == 5 || StationX[i] - StationX[i - 1] == 6,
                     qPrintable(QString::number(i)));
    }

    void ZonesAreStrict() {
        QVERIFY(LoadZone.Contains(87, 135));
        QVERIFY(!LoadZone.Contains(86, 150));
        QVERIFY(!LoadZone.Contains(200, 204));
        QVERIFY(LoadZone.Contains(200, 203));
        QVERIFY(!SupportZone.Contains(200, 180));
        QVERIFY(LeftClampZone.Contains(62, 150));
        QVERIFY(!LeftClampZone.Contains(111, 150));
    }

    void Arrangement_data() {
        QTest::addColumn<bool>("leftClamp");
        QTest::addColumn<bool>("rightClamp");
        QTest::addColumn<bool>("ke1");
        QTest::addColumn<bool>("ke2");
        QTest::addColumn<TSupportArrangement>("expected");
        using A = TSupportArrangement;
        QTest::newRow("nothing") << false << false << false << false << A::Unsupported;
        QTest::newRow("left clamp") << true << false << false << false << A::Cantilever;
        QTest::newRow("left clamp and knife-edge 2")
            << true << false << false << true << A::ProppedCantilever;
        QTest::newRow("both clamps") << true << true << false << false << A::FixedBothEnds;
        QTest::newRow("one knife-edge") << false << false << true << false << A::Unsupported;
        QTest::newRow("two knife-edges") << false << false << true << true << A::SimplySupported;
        QTest::newRow("right clamp alone") << false << true << false << false << A::Unsupported;
    }
    void Arrangement() {
        QFETCH(bool, leftClamp);
        QFETCH(bool, rightClamp);
        QFETCH(bool, ke1);
        QFETCH(bool, ke2);
        QFETCH(TSupportArrangement, expected);
        TBeamLayout l;
        l.LeftClamp = leftClamp;
        l.RightClamp = rightClamp;
        l.KnifeEdge1 = ke1;
        l.KnifeEdge2 = ke2;
        QCOMPARE(l.SupportArrangement(), expected);
    }

    void KnifeEdgeOrder() {
        TBeamLayout a = WithKnifeEdges(45, 12);
        QCOMPARE(a.LeftKnifeEdgeStation, 12);
        QCOMPARE(a.RightKnifeEdgeStation, 45);
        TBeamLayout same = WithKnifeEdges(20, 20);
        QCOMPARE(same.LeftKnifeEdgeStation, 20);
        QCOMPARE(same.RightKnifeEdgeStation, 20);
    }

    void EmptyHangerCountsAsLoad() {
        TBeamLayout l;
        QVERIFY(!l.Loaded());
        l.HangerSlots[17].Mass = 0;
        QVERIFY(l.Loaded());
        TBeamLayout u;
        u.PlaceUDL(5);
        QVERIFY(u.Loaded());
    }

    void UDLExtent_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("pixelWidth");
        QTest::newRow("no support spans the beam") << 0 << 0 << 60 << 361;
        QTest::newRow("cantilever, new UDL") << 1 << 0 << 60 << 361;
        QTest::newRow("cantilever keeps a shortened end") << 2 << 0 << 40 << (323 - 88 + 8);
        QTest::newRow("clamp and knife-edge 2 at 35") << 3 << 0 << 35 << (294 - 88 + 8);
        QTest::newRow("both clamps") << 4 << 0 << 60 << 361;
        QTest::newRow("two knife-edges, span only") << 5 << 12 << 45 << (353 - 159 + 8);
        QTest::newRow("two knife-edges on one station") << 6 << 20 << 20 << 8;
    }
    void UDLExtent() {
        QFETCH(int, kind);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, pixelWidth);
        TBeamLayout l;
        switch (kind) {
        case 1:
            l.LeftClamp = true;
            break;
        case 2:
            l.LeftClamp = true;
            l.PlaceUDL(10);
            l.UDLEndStation = 40; // the user shortened it
            break;
        case 3:
            l.LeftClamp = true;
            l.KnifeEdge2 = true;
            l.KnifeEdge2Station = 35;
            l.KnifeEdge1Station = 50; // absent: its station must not be used
            break;
        case 4:
            l.LeftClamp = l.RightClamp = true;
            break;
        case 5:
            l = WithKnifeEdges(45, 12);
            break;
        case 6:
            l = WithKnifeEdges(20, 20);
            break;
        default:
            break;
        }
        l.PlaceUDL(25);
        QCOMPARE(l.UDLStartStation, start);
        QCOMPARE(l.UDLEndStation, end);
        QCOMPARE(l.UDLIntensity, 25);
        QCOMPARE(UDLImageWidth(l.UDLStartStation, l.UDLEndStation), pixelWidth);
    }
};

QTEST_APPLESS_MAIN(TestBeamLayout)
#include "tst_beam_layout.moc"

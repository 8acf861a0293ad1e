// The keyboard's stations over the placement rules: where a picked-up item appears, where a key takes it,
// and the order Tab visits the items on the beam. Expected stations come from the zones and rules as the
// mouse meets them (a prop may not stand at station 0 beside a clamp; a clamp only at the ends; a second
// clamp only beside a left one with no knife-edge).

#include <QtTest>

#include "model/KeyboardPlacement.h"

namespace {

TBeamLayout Clamped() {
    TBeamLayout l;
    l.LeftClamp = true;
    return l;
}

} // namespace

Q_DECLARE_METATYPE(TBeamLayout)

class TKeyboardPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void StationsAKeyReaches_data() {
        QTest::addColumn<TBeamLayout>("layout");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("expected");
        const int knife = int(TDragKind::NewKnifeEdge), clamp = int(TDragKind::NewClamp),
                  weight = int(TDragKind::NewFixedWeight);
        QTest::newRow("knife-edge, 10 mm right") << TBeamLayout{} << knife << 30 << 1 << 31;
        QTest::newRow("knife-edge, 100 mm left") << TBeamLayout{} << knife << 30 << -10 << 20;
        QTest::newRow("knife-edge, past the left end stops at 0") << TBeamLayout{} << knife << 5 << -10 << 0;
        QTest::newRow("knife-edge beside a clamp: Home stops at 10 mm")
            << Clamped() << knife << 5 << -60 << 1;
        QTest::newRow("knife-edge beside a clamp at 10 mm: no step left")
            << Clamped() << knife << 1 << -1 << 1;
        QTest::newRow("weight: End reaches 600 mm") << TBeamLayout{} << weight << 30 << 60 << 60;
        QTest::newRow("clamp beside a left clamp: one step right goes to the right end")
            << Clamped() << clamp << 0 << 1 << 60;
        QTest::newRow("first clamp: the right end refuses it") << TBeamLayout{} << clamp << 0 << 1 << 0;
        TBeamLayout propped = Clamped();
        propped.KnifeEdge1 = true;
        propped.KnifeEdge1Station = 40;
        QTest::newRow("second clamp beside a prop: nowhere but the left end")
            << propped << clamp << 0 << 1 << 0;
    }
    void StationsAKeyReaches() {
        QFETCH(TBeamLayout, layout);
        QFETCH(int, kind);
        QFETCH(int, from);
        QFETCH(int, step);
        QFETCH(int, expected);
        QCOMPARE(StepAcceptedStation(layout, TDragSource::Of(TDragKind(kind)), from, step), expected);
    }

    void PickedUpItemsAppearAtTheNearestAcceptedStation() {
        const TDragSource knife = TDragSource::Of(TDragKind::NewKnifeEdge);
        const TDragSource clamp = TDragSource::Of(TDragKind::NewClamp);
        QCOMPARE(NearestAcceptedStation({}, knife, KeyboardStartStation({}, knife)), 30);
        QCOMPARE(NearestAcceptedStation(Clamped(), knife, 0), 1);
        QCOMPARE(NearestAcceptedStation({}, clamp, KeyboardStartStation({}, clamp)), 0);
        // The second clamp starts at the free right end.
        QCOMPARE(NearestAcceptedStation(Clamped(), clamp, KeyboardStartStation(Clamped(), clamp)), 60);
        // Two knife-edges leave a clamp no place at all.
        TBeamLayout two;
        two.KnifeEdge1 = two.KnifeEdge2 = true;
        QCOMPARE(NearestAcceptedStation(two, clamp, 0), -1);
        // The keyboard's point is inside both zones a mouse drop of a support or a load needs.
        const TDropTarget t = KeyboardTarget(17);
        QVERIFY(SupportZone.Contains(t.X, t.Y) && LoadZone.Contains(t.X, t.Y));
    }

    void TabVisitsTheBeamLeftToRight() {
        TBeamLayout l = Clamped();
        l.RightClamp = true;
        l.KnifeEdge2 = true; // absent items are not visited
        l.KnifeEdge2Station = 45;
        l.KnifeEdge1Station = 5;
        l.HangerSlots[45].Mass = 100;
        l.HangerSlots[3].Mass = 0; // an empty hanger is an item too
        l.GaugeStation = 3;
        const std::vector<TPlacedItem> expected = {
            {TPlacedKind::LeftClamp, 0},   {TPlacedKind::Weight, 3},  {TPlacedKind::Gauge, 3},
            {TPlacedKind::KnifeEdge2, 45}, {TPlacedKind::Weight, 45}, {TPlacedKind::RightClamp, 60}};
        QVERIFY(PlacedItemsInOrder(l) == expected);
    }
};

QTEST_APPLESS_MAIN(TKeyboardPlacementTest)
#include "tst_keyboard_placement.moc"

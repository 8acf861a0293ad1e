// The placement rules without a window: what a drag-over accepts, what a drop makes of the layout, the four
// warnings, the UDL and gauge gestures, and random editing sessions that must never leave the rules.
#include <QtTest>
#include <cmath>
#include <cstdint>
#include <random>

#include "RecordingPresenter.h"
#include "model/PlacementRules.h"
#include "platform/MessageLayer.h"
#include "theory/BeamTheory.h"

namespace {

// Points of the apparatus picture: y 150 lies in the support and load zones and in both clamp zones.
constexpr int OnBeamY = 150;
constexpr int BelowSupportsY = 190; // in the load zone, below the support zone
TDropTarget AtStation(int s, int y = OnBeamY) {
    return TDropTarget::Screen(StationX[s], y);
}
const TDropTarget LeftEnd = TDropTarget::Screen(80, OnBeamY);
const TDropTarget RightEnd = TDropTarget::Screen(460, OnBeamY);

const TDragSource NewClamp = TDragSource::Of(TDragKind::NewClamp);
const TDragSource NewKnifeEdge = TDragSource::Of(TDragKind::NewKnifeEdge);

TBeamLayout Layout(bool left, bool right, int ke1 = -1, int ke2 = -1,
                   std::initializer_list<std::pair<int, int>> weights = {}) {
    TBeamLayout l;
    l.LeftClamp = left;
    l.RightClamp = right;
    if (ke1 >= 0) l.KnifeEdge1 = true, l.KnifeEdge1Station = ke1;
    if (ke2 >= 0) l.KnifeEdge2 = true, l.KnifeEdge2Station = ke2;
    if (l.KnifeEdge1 && l.KnifeEdge2) l.UpdateKnifeEdgeOrder();
    for (auto [s, g] : weights)
        l.HangerSlots[s].Mass = g;
    return l;
}

// The layout as the window shows it (the transient drag stations aside).
QString Describe(const TBeamLayout& l) {
    QString d =
        QStringLiteral("clamps %1%2 ke1 %3 ke2 %4 order %5-%6 udl %7 %8-%9 moving %10%11%12%13 weights")
            .arg(l.LeftClamp ? "L" : "-", l.RightClamp ? "R" : "-")
            .arg(l.KnifeEdge1 ? l.KnifeEdge1Station : -1)
            .arg(l.KnifeEdge2 ? l.KnifeEdge2Station : -1)
            .arg(l.KnifeEdge1 && l.KnifeEdge2 ? l.LeftKnifeEdgeStation : -1)
            .arg(l.KnifeEdge1 && l.KnifeEdge2 ? l.RightKnifeEdgeStation : -1)
            .arg(l.UDL)
            .arg(l.UDLStartStation)
            .arg(l.UDLEndStation)
            .arg(l.MovingLeftClamp)
            .arg(l.MovingRightClamp)
            .arg(l.MovingKnifeEdge1)
            .arg(l.MovingKnifeEdge2);
    for (int s = 0; s < StationCount; ++s)
        if (l.HangerSlots[s].Occupied())
            d += QStringLiteral(" %1:%2%3")
                     .arg(s)
                     .arg(l.HangerSlots[s].Mass)
                     .arg(l.HangerSlots[s].Variable ? "v" : "");
    return d;
}

// Which of the six support sets the rules allow a layout is in, or "forbidden".
QString SupportSet(const TBeamLayout& l) {
    const int k = l.KnifeEdgeCount();
    if (!l.LeftClamp && !l.RightClamp) return k == 0 ? "none" : k == 1 ? "one knife-edge" : "two knife-edges";
    if (l.LeftClamp && !l.RightClamp && k <= 1) return k == 0 ? "left clamp" : "left clamp + knife-edge";
    if (l.LeftClamp && l.RightClamp && k == 0) return "both clamps";
    return "forbidden";
}

} // namespace

Q_DECLARE_METATYPE(TBeamLayout)
Q_DECLARE_METATYPE(TDragSource)
Q_DECLARE_METATYPE(TDropTarget)

class TestPlacementRules : public QObject {
    Q_OBJECT
private slots:
    // The four messages, word for word; each leaves the layout as it was, except the clamp removal, which
    // informs while it removes both clamps.
    void Warnings_data() {
        QTest::addColumn<TBeamLayout>("before");
        QTest::addColumn<TDragSource>("source");
        QTest::addColumn<TDropTarget>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after"); // empty: unchanged
        QTest::newRow("knife-edge on a beam clamped at both ends")
            << Layout(true, true) << NewKnifeEdge << AtStation(30)
            << "When the beam is clamped at both ends, knife-edge supports may not be added." << QString();
        QTest::newRow("second knife-edge beside a clamp")
            << Layout(true, false, -1, 40) << NewKnifeEdge << AtStation(20)
            << "When the beam has a clamped end, only one knife-edge support may be present." << QString();
        QTest::newRow("new weight on an occupied overhang")
            << Layout(false, false, 10, 50, {{5, 100}}) << TDragSource::FixedWeight(200) << AtStation(3)
            << "Only one weight may placed at either end of the simply supported beam." << QString();
        QTest::newRow("weight moved from the span onto an occupied overhang")
            << Layout(false, false, 10, 50, {{55, 100}, {30, 200}}) << TDragSource::Weight(30)
            << AtStation(58) << "Only one weight may placed at either end of the simply supported beam."
            << QString();
        QTest::newRow("new weight beside a weight over the knife-edge")
            << Layout(false, false, 10, 50, {{10, 100}}) << TDragSource::FixedWeight(200) << AtStation(4)
            << "Only one weight may placed at either end of the simply supported beam." << QString();
        QTest::newRow("left clamp to the bin beside the right clamp")
            << Layout(true, true, -1, -1, {{30, 100}}) << TDragSource::Of(TDragKind::LeftClamp)
            << TDropTarget::Bin()
            << "Removing the left-hand clamp also removes the right-hand clamp, otherwise the system would "
               "become invalid."
            << Describe(Layout(false, false, -1, -1, {{30, 100}}));
    }
    void Warnings() {
        QFETCH(TBeamLayout, before);
        QFETCH(TDragSource, source);
        QFETCH(TDropTarget, target);
        QFETCH(QString, text);
        QFETCH(QString, after);
        const TDropAnswer answer = DragAndDrop(before, source, target);
        QCOMPARE(QString::fromStdString(answer.Warning), text);
        QCOMPARE(answer.Icon, TWarningIcon::Warning);
        QCOMPARE(Describe(answer.Layout), after.isEmpty() ? Describe(before) : after);
        // A refusal changes nothing, so nothing is recomputed; the removal is a change.
        QCOMPARE(answer.Recalculate, !after.isEmpty());
    }

    // Drops that change the layout (or do not) without a word: the edge cases of the rules.
    void SilentDrops_data() {
        QTest::addColumn<TBeamLayout>("before");
        QTest::addColumn<TDragSource>("source");
        QTest::addColumn<TDropTarget>("target");
        QTest::addColumn<QString>("after"); // as Describe() of a layout built with Layout()
        QTest::addColumn<bool>("recalculate");
        const TDragSource leftClamp = TDragSource::Of(TDragKind::LeftClamp);
        const TDragSource rightClamp = TDragSource::Of(TDragKind::RightClamp);
        const TDragSource ke1 = TDragSource::Of(TDragKind::KnifeEdge1);
        const TDragSource ke2 = TDragSource::Of(TDragKind::KnifeEdge2);

        // Clamps.
        QTest::newRow("new clamp on the left end")
            << Layout(false, false) << NewClamp << LeftEnd << Describe(Layout(true, false)) << true;
        QTest::newRow("new clamp on the right end of a cantilever")
            << Layout(true, false) << NewClamp << RightEnd << Describe(Layout(true, true)) << true;
        QTest::newRow("new clamp on the right end without a left clamp")
            << Layout(false, false) << NewClamp << RightEnd << Describe(Layout(false, false)) << true;
        QTest::newRow("new clamp on the right end beside a knife-edge")
            << Layout(true, false, 30) << NewClamp << RightEnd << Describe(Layout(true, false, 30)) << true;
        QTest::newRow("new clamp on the left end beside one knife-edge")
            << Layout(false, false, 30) << NewClamp << LeftEnd << Describe(Layout(true, false, 30)) << true;
        QTest::newRow("new clamp on the left end beside two knife-edges")
            << Layout(false, false, 20, 40) << NewClamp << LeftEnd << Describe(Layout(false, false, 20, 40))
            << true;
        QTest::newRow("right clamp to the bin: the left stays")
            << Layout(true, true) << rightClamp << TDropTarget::Bin() << Describe(Layout(true, false))
            << true;
        QTest::newRow("left clamp alone to the bin")
            << Layout(true, false, 30) << leftClamp << TDropTarget::Bin()
            << Describe(Layout(false, false, 30)) << true;
        QTest::newRow("right clamp dropped on the beam goes back")
            << Layout(true, true) << rightClamp << AtStation(30) << Describe(Layout(true, true)) << true;
        QTest::newRow("left clamp dropped on its own end stays")
            << Layout(true, true) << leftClamp << LeftEnd << Describe(Layout(true, true)) << true;
        QTest::newRow("new clamp on the bin")
            << Layout(true, false) << NewClamp << TDropTarget::Bin() << Describe(Layout(true, false)) << true;

        // Knife-edges.
        QTest::newRow("knife-edge at 0 mm beside the left clamp")
            << Layout(true, false) << NewKnifeEdge << AtStation(0) << Describe(Layout(true, false)) << true;
        QTest::newRow("knife-edge at 600 mm beside the left clamp")
            << Layout(true, false) << NewKnifeEdge << AtStation(60) << Describe(Layout(true, false, 60))
            << true;
        QTest::newRow("knife-edge at 0 mm on a free beam")
            << Layout(false, false) << NewKnifeEdge << AtStation(0) << Describe(Layout(false, false, 0))
            << true;
        QTest::newRow("second knife-edge becomes knife-edge 2")
            << Layout(false, false, 40) << NewKnifeEdge << AtStation(10)
            << Describe(Layout(false, false, 40, 10)) << true;
        QTest::newRow("knife-edge 1 absent: the new one becomes knife-edge 1")
            << Layout(false, false, -1, 40) << NewKnifeEdge << AtStation(10)
            << Describe(Layout(false, false, 10, 40)) << true;
        QTest::newRow("third knife-edge ignored")
            << Layout(false, false, 10, 50) << NewKnifeEdge << AtStation(30)
            << Describe(Layout(false, false, 10, 50)) << true;
        QTest::newRow("two knife-edges on one station")
            << Layout(false, false, 30) << NewKnifeEdge << AtStation(30)
            << Describe(Layout(false, false, 30, 30)) << true;
        QTest::newRow("knife-edge on a hanger refused")
            << Layout(false, false, 10, -1, {{30, 100}}) << NewKnifeEdge << TDropTarget::Weight(30)
            << Describe(Layout(false, false, 10, -1, {{30, 100}})) << true;
        QTest::newRow("knife-edge just above a hanger")
            << Layout(false, false, 10, -1, {{30, 100}}) << NewKnifeEdge << AtStation(30, 140)
            << Describe(Layout(false, false, 10, 30, {{30, 100}})) << true;
        QTest::newRow("knife-edge below the support zone")
            << Layout(false, false, 10) << NewKnifeEdge << AtStation(30, BelowSupportsY)
            << Describe(Layout(false, false, 10)) << true;
        QTest::newRow("knife-edge 1 moved past knife-edge 2")
            << Layout(false, false, 10, 40) << ke1 << AtStation(50) << Describe(Layout(false, false, 50, 40))
            << true;
        QTest::newRow("knife-edge 2 moved to the bin")
            << Layout(false, false, 10, 40) << ke2 << TDropTarget::Bin() << Describe(Layout(false, false, 10))
            << true;
        QTest::newRow("moved knife-edge released over nothing goes back")
            << Layout(false, false, 10, 40) << ke1 << TDropTarget::Nothing()
            << Describe(Layout(false, false, 10, 40)) << true;
        QTest::newRow("prop moved beside the clamp")
            << Layout(true, false, 20) << ke1 << AtStation(45) << Describe(Layout(true, false, 45)) << true;
        QTest::newRow("new knife-edge on the bin")
            << Layout(false, false) << NewKnifeEdge << TDropTarget::Bin() << Describe(Layout(false, false))
            << true;

        // Weights, with knife-edges at 10 and 50 where the overhangs matter.
        QTest::newRow("typical event: 300 g at station 25")
            << Layout(true, false) << TDragSource::FixedWeight(300) << AtStation(25, BelowSupportsY)
            << Describe(Layout(true, false, -1, -1, {{25, 300}})) << true;
        QTest::newRow("first weight on the left overhang")
            << Layout(false, false, 10, 50) << TDragSource::FixedWeight(100) << AtStation(5)
            << Describe(Layout(false, false, 10, 50, {{5, 100}})) << true;
        QTest::newRow("new weight on the overhang's own weight replaces it")
            << Layout(false, false, 10, 50, {{5, 100}}) << TDragSource::FixedWeight(400) << AtStation(5)
            << Describe(Layout(false, false, 10, 50, {{5, 400}})) << true;
        QTest::newRow("overhang weight moved within its end")
            << Layout(false, false, 10, 50, {{5, 100}}) << TDragSource::Weight(5) << AtStation(3)
            << Describe(Layout(false, false, 10, 50, {{3, 100}})) << true;
        QTest::newRow("weight from over the knife-edge onto its overhang is not tested")
            << Layout(false, false, 10, 50, {{10, 100}, {5, 200}}) << TDragSource::Weight(10) << AtStation(3)
            << Describe(Layout(false, false, 10, 50, {{3, 100}, {5, 200}})) << true;
        QTest::newRow("span weights are unrestricted")
            << Layout(false, false, 10, 50, {{5, 100}, {20, 100}, {55, 100}}) << TDragSource::FixedWeight(500)
            << AtStation(30)
            << Describe(Layout(false, false, 10, 50, {{5, 100}, {20, 100}, {30, 500}, {55, 100}})) << true;
        QTest::newRow("new 200 g on a 100 g hanger")
            << Layout(true, false, -1, -1, {{30, 100}}) << TDragSource::FixedWeight(200)
            << TDropTarget::Weight(30) << Describe(Layout(true, false, -1, -1, {{30, 200}})) << true;
        QTest::newRow("weight moved onto another hanger replaces its weight")
            << Layout(true, false, -1, -1, {{20, 100}, {40, 300}}) << TDragSource::Weight(20)
            << TDropTarget::Weight(40) << Describe(Layout(true, false, -1, -1, {{40, 100}})) << true;
        QTest::newRow("weight dropped back on its own hanger stays")
            << Layout(true, false, -1, -1, {{20, 100}, {40, 300}}) << TDragSource::Weight(20)
            << TDropTarget::Weight(20) << Describe(Layout(true, false, -1, -1, {{20, 100}, {40, 300}}))
            << true;
        QTest::newRow("weight dropped back on its own station stays")
            << Layout(true, false, -1, -1, {{20, 100}}) << TDragSource::Weight(20, true)
            << AtStation(20, BelowSupportsY) << Describe(Layout(true, false, -1, -1, {{20, 100}})) << true;
        QTest::newRow("overhang weight dropped back on its own hanger stays")
            << Layout(false, false, 10, 50, {{5, 100}, {55, 200}}) << TDragSource::Weight(55)
            << TDropTarget::Weight(55) << Describe(Layout(false, false, 10, 50, {{5, 100}, {55, 200}}))
            << true;
        QTest::newRow("weight dropped on a hanger below the load zone lands on its station")
            << Layout(true, false, -1, -1, {{20, 100}}) << TDragSource::FixedWeight(500)
            << TDropTarget::Weight(20) << Describe(Layout(true, false, -1, -1, {{20, 500}})) << true;
        QTest::newRow("weight to the bin")
            << Layout(true, false, -1, -1, {{20, 100}}) << TDragSource::Weight(20) << TDropTarget::Bin()
            << Describe(Layout(true, false)) << true;
        QTest::newRow("weight onto a control that refuses stays")
            << Layout(true, false, -1, -1, {{20, 100}}) << TDragSource::Weight(20) << TDropTarget::Other()
            << Describe(Layout(true, false, -1, -1, {{20, 100}})) << false;
        QTest::newRow("new weight dropped above the beam")
            << Layout(true, false) << TDragSource::FixedWeight(100) << TDropTarget::Screen(StationX[30], 120)
            << Describe(Layout(true, false)) << false;
        QTest::newRow("new weight on the bin")
            << Layout(true, false) << TDragSource::FixedWeight(100) << TDropTarget::Bin()
            << Describe(Layout(true, false)) << false;
        QTest::newRow("weight on a beam without supports is accepted")
            << Layout(false, false) << TDragSource::FixedWeight(100) << AtStation(30)
            << Describe(Layout(false, false, -1, -1, {{30, 100}})) << true;
    }
    void SilentDrops() {
        QFETCH(TBeamLayout, before);
        QFETCH(TDragSource, source);
        QFETCH(TDropTarget, target);
        QFETCH(QString, after);
        QFETCH(bool, recalculate);
        const TDropAnswer answer = DragAndDrop(before, source, target);
        QCOMPARE(QString::fromStdString(answer.Warning), QString());
        QCOMPARE(Describe(answer.Layout), after);
        QCOMPARE(answer.Recalculate, recalculate);
    }

    // A variable weight keeps the spin edit's value and shows its mass label; moving it keeps both.
    void VariableWeights() {
        TBeamLayout l = Layout(true, false);
        l = DragAndDrop(l, TDragSource::VariableWeight(0, true), AtStation(12)).Layout;
        QCOMPARE(l.HangerSlots[12].Mass, 0);
        QVERIFY(l.HangerSlots[12].Variable);
        QVERIFY(l.Loaded()); // an empty hanger counts as a load
        l = DragAndDrop(l, TDragSource::Weight(12, true), AtStation(33)).Layout;
        QVERIFY(!l.HangerSlots[12].Occupied());
        QCOMPARE(l.HangerSlots[33].Mass, 0);
        QVERIFY(l.HangerSlots[33].Variable);
        l = DragAndDrop(l, TDragSource::Weight(33, true), TDropTarget::Weight(33))
                .Layout; // back where it was
        QCOMPARE(l.HangerSlots[33].Mass, 0);
        QVERIFY(l.HangerSlots[33].Variable);
        l = DragAndDrop(l, TDragSource::FixedWeight(100), AtStation(33)).Layout;
        QVERIFY(!l.HangerSlots[33].Variable);
    }

    // What the popups follow while dragging.
    void DragOverPopups() {
        const TBeamLayout l = Layout(true, false);
        TDragOverAnswer a = DragOver(l, TDragSource::FixedWeight(300), AtStation(25, BelowSupportsY));
        QVERIFY(a.Accept);
        QCOMPARE(a.Layout.LoadDropStation, 25);
        QVERIFY(a.LoadPopup.SetValue && a.LoadPopup.PlaceIfHidden);
        QCOMPARE(QString::fromStdString(PositionText(a.LoadPopup.Station)), QStringLiteral("250 mm"));
        QVERIFY(!a.SupportPopup.SetValue);

        a = DragOver(l, NewKnifeEdge, AtStation(42));
        QVERIFY(a.Accept);
        QCOMPARE(a.Layout.SupportDropStation, 42);
        QCOMPARE(a.SupportPopup.Station, 42);
        QVERIFY(a.SupportPopup.PlaceIfHidden);
        QCOMPARE(QString::fromStdString(a.SupportPopup.Caption), QStringLiteral("Support Position"));

        // A knife-edge from the beam only updates the value of the popup its hover placed.
        const TBeamLayout moving =
            StartDrag(Layout(false, false, 10), TDragSource::Of(TDragKind::KnifeEdge1));
        a = DragOver(moving, TDragSource::Of(TDragKind::KnifeEdge1), AtStation(20));
        QVERIFY(a.Accept && a.SupportPopup.SetValue && !a.SupportPopup.PlaceIfHidden);

        // Over a refused point nothing changes, not even the drop stations.
        a = DragOver(moving, TDragSource::Of(TDragKind::KnifeEdge1), TDropTarget::Screen(StationX[20], 190));
        QVERIFY(!a.Accept);
        QCOMPARE(a.Layout.SupportDropStation, moving.SupportDropStation);

        // The bin takes everything, hangers take weights only, other controls nothing.
        for (TDragKind k :
             {TDragKind::NewClamp, TDragKind::NewKnifeEdge, TDragKind::UDL, TDragKind::PlacedWeight})
            QVERIFY(DragOver(l, TDragSource::Of(k), TDropTarget::Bin()).Accept);
        QVERIFY(!DragOver(l, TDragSource::Of(TDragKind::UDL), TDropTarget::Weight(3)).Accept);
        QVERIFY(DragOver(l, TDragSource::Weight(7, true), TDropTarget::Weight(3)).Accept);
        QVERIFY(!DragOver(l, TDragSource::FixedWeight(100), TDropTarget::Other()).Accept);
        QCOMPARE(QString::fromStdString(PositionText(0)), QStringLiteral("0 mm"));
    }

    // Starting to drag an item on the beam marks it moving; every end of drag clears the flags it owns.
    void MovingFlags() {
        TBeamLayout l = Layout(true, true);
        l = StartDrag(l, TDragSource::Of(TDragKind::RightClamp));
        QVERIFY(l.MovingRightClamp && !l.MovingLeftClamp);
        QVERIFY(l.RightClamp); // still in the layout: the window lifts its picture
        l = EndDrag(l, TDragSource::Of(TDragKind::RightClamp), TDropTarget::Nothing()).Layout;
        QVERIFY(!l.MovingRightClamp && l.RightClamp);

        l = StartDrag(Layout(false, false, 10, 40), TDragSource::Of(TDragKind::KnifeEdge2));
        QVERIFY(l.MovingKnifeEdge2);
        const TDropAnswer bin = EndDrag(l, TDragSource::Of(TDragKind::KnifeEdge2), TDropTarget::Bin());
        QVERIFY(bin.HideSupportPopup);
        QVERIFY(!bin.Layout.MovingKnifeEdge2 && !bin.Layout.KnifeEdge2);
        // A new knife-edge on the bin leaves the popup alone.
        QVERIFY(!DragAndDrop(Layout(false, false), NewKnifeEdge, TDropTarget::Bin()).HideSupportPopup);
        // The weight leaving by the bin hides the load popup.
        QVERIFY(
            DragAndDrop(Layout(true, false, -1, -1, {{9, 100}}), TDragSource::Weight(9), TDropTarget::Bin())
                .HideLoadPopup);
    }

    void UDLOnAndOff() {
        TBeamLayout l = PutUDLOn(Layout(false, false, 12, 44), 20);
        QVERIFY(l.UDL);
        QCOMPARE(l.UDLStartStation, 12);
        QCOMPARE(l.UDLEndStation, 44);
        QCOMPARE(l.UDLIntensity, 20);
        // A drop anywhere but the bin leaves it where it is, and always hides the support popup.
        const TDragSource udl = TDragSource::Of(TDragKind::UDL);
        TDropAnswer a = DragAndDrop(l, udl, AtStation(30, BelowSupportsY));
        QVERIFY(a.Layout.UDL && !a.Recalculate && a.HideSupportPopup && !a.EnableUDLTools);
        a = DragAndDrop(l, udl, TDropTarget::Bin());
        QVERIFY(!a.Layout.UDL && a.Recalculate && a.HideSupportPopup && a.EnableUDLTools);
    }

    // The right-button length change, on a cantilever only; the release at picture x ends it.
    void UDLLength_data() {
        QTest::addColumn<int>("releaseX");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("status");
        QTest::newRow("to 300 mm") << StationX[30] << true << 30 << "UDL length: 300 mm";
        QTest::newRow("to 10 mm") << StationX[1] << true << 1 << "UDL length: 10 mm";
        QTest::newRow("to 0 mm: removed") << StationX[0] << false << 60 << "";
        QTest::newRow("left of the beam: removed") << 40 << false << 60 << "";
        QTest::newRow("right of the beam: 600 mm") << 700 << true << 60 << "UDL length: 600 mm";
    }
    void UDLLength() {
        QFETCH(int, releaseX);
        QFETCH(bool, present);
        QFETCH(int, end);
        QFETCH(QString, status);
        const TBeamLayout cantilever = PutUDLOn(Layout(true, false), 20);
        QCOMPARE(cantilever.UDLEndStation, 60);
        const TBeamLayout resizing = StartUDLResize(cantilever);
        QVERIFY(resizing.ResizingUDL);
        QCOMPARE(QString::fromStdString(UDLLengthText(resizing, StationX[25])), QStringLiteral("250 mm"));
        const TDropAnswer a = FinishUDLResize(resizing, releaseX, 35);
        QCOMPARE(a.Layout.UDL, present);
        QCOMPARE(a.Layout.UDLEndStation, end);
        QCOMPARE(a.Layout.UDLIntensity, present ? 35 : 20);
        QCOMPARE(QString::fromStdString(a.StatusText), status);
        QCOMPARE(a.EnableUDLTools, !present);
        QVERIFY(!a.Layout.ResizingUDL && a.Recalculate && a.RestoreUDLCursors && a.HideSupportPopup);
        // Laid out again by Recalculate, a shortened cantilever UDL keeps its end.
        if (present) {
            TBeamLayout again = a.Layout;
            again.PlaceUDL(35);
            QCOMPARE(again.UDLEndStation, end);
        }
    }

    void UDLLengthOnlyOnACantilever() {
        for (const TBeamLayout& l : {Layout(true, true), Layout(true, false, 40),
                                     Layout(false, false, 10, 50), Layout(false, false)}) {
            const TBeamLayout on = PutUDLOn(l, 10);
            QVERIFY(!CanResizeUDL(on));
            QVERIFY(!StartUDLResize(on).ResizingUDL);
            // A release without a length change only hides the popup.
            const TDropAnswer a = FinishUDLResize(on, StationX[30], 10);
            QVERIFY(a.HideSupportPopup && !a.Recalculate && a.StatusText.empty());
            QCOMPARE(Describe(a.Layout), Describe(on));
        }
        QVERIFY(!CanResizeUDL(Layout(true, false))); // no UDL to resize
    }

    // The gauge's stylus (18 px into its picture) stays between StationX[0] = 88 and StationX[60] = 441.
    void GaugeDrag_data() {
        QTest::addColumn<int>("gaugeLeft");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("station");
        // Grabbed at x 18 (on the stylus); the picture starts at StationX[30] - 18 = 247.
        QTest::newRow("no move") << 247 << 18 << 247 << 30;
        QTest::newRow("2 px right: stylus at 267, still station 30") << 247 << 20 << 249 << 30;
        QTest::newRow("3 px right: stylus at 268, station 31") << 247 << 21 << 250 << 31;
        QTest::newRow("far left: clamped at 70, 0 mm") << 247 << -400 << 70 << 0;
        QTest::newRow("far right: clamped at 423, 600 mm") << 247 << 500 << 423 << 60;
        QTest::newRow("exactly at the left end") << 70 << 18 << 70 << 0;
    }
    void GaugeDrag() {
        QFETCH(int, gaugeLeft);
        QFETCH(int, x);
        QFETCH(int, left);
        QFETCH(int, station);
        TBeamLayout l;
        l.DraggingGauge = true;
        l.GaugeGrabX = 18;
        const TGaugeMove move = DragGauge(l, gaugeLeft, x);
        QCOMPARE(move.Left, left);
        QCOMPARE(move.Station, station);
        QCOMPARE(move.StationChanged, station != 30);
        QCOMPARE(move.Layout.GaugeStation, station);
        // On release it snaps onto its station.
        QCOMPARE(GaugeSnapLeft(move.Layout), StationX[station] - 18);
    }

    void GaugeHoverDoesNotMove() {
        TBeamLayout l; // not dragging
        const TGaugeMove move = DragGauge(l, 247, 30);
        QCOMPARE(move.Left, 247);
        QCOMPARE(move.Station, 30);
        QVERIFY(!move.StationChanged);
    }

    // Random editing sessions through the rules: thousands of drops, moves and removals from every source
    // onto every kind of target, with the UDL put on, resized and removed, and Recalculate after every
    // change. Never a support set the rules forbid, never a second overhang weight by a new drop, never a
    // fault, and the curve always the sum of the curves of its loads alone.
    void RandomSessionsKeepTheRules() {
        TRecordingMessages messages;
        std::mt19937 random(20240909u); // fixed seed: a failure names its session and step
        auto pick = [&random](int n) { return int(random() % std::uint32_t(n)); };
        const int sessions = 1500, steps = 40;
        int drops = 0, superposed = 0, overhangRefusals = 0;
        for (int session = 0; session < sessions; ++session) {
            TBeamLayout l;
            for (int step = 0; step < steps; ++step) {
                const QString where = QStringLiteral("session %1 step %2: ").arg(session).arg(step);
                TDropAnswer answer;
                const int what = pick(20);
                if (what == 0) {
                    answer.Layout = PutUDLOn(l, 1 + pick(50));
                    answer.Recalculate = true;
                } else if (what == 1 && CanResizeUDL(l)) {
                    answer = FinishUDLResize(StartUDLResize(l), 60 + pick(400), 1 + pick(50));
                } else {
                    const TDragSource source = RandomSource(l, pick);
                    const TDropTarget target = RandomTarget(l, pick);
                    answer = DragAndDrop(l, source, target);
                    ++drops;
                    if (answer.Warning == OverhangWeightWarning) ++overhangRefusals;
                    if ((source.Kind == TDragKind::NewFixedWeight ||
                         source.Kind == TDragKind::NewVariableWeight) &&
                        answer.Warning.empty() && answer.Recalculate && l.KnifeEdge1 && l.KnifeEdge2) {
                        const int t = answer.Layout.LoadDropStation;
                        const int L = l.LeftKnifeEdgeStation, R = l.RightKnifeEdgeStation;
                        int others = 0;
                        for (int s = 0; s < StationCount; ++s)
                            if (s != t && answer.Layout.HangerSlots[s].Occupied() &&
                                ((t < L && s <= L) || (t > R && s >= R)))
                                ++others;
                        QVERIFY2(others == 0,
                                 qPrintable(where + "new weight joined another on an overhang: " +
                                            Describe(answer.Layout)));
                    }
                }
                l = answer.Layout;
                QVERIFY2(SupportSet(l) != "forbidden", qPrintable(where + Describe(l)));
                QVERIFY2(!l.MovingLeftClamp && !l.MovingRightClamp && !l.MovingKnifeEdge1 &&
                             !l.MovingKnifeEdge2,
                         qPrintable(where + "a moving flag survived the drop"));
                if (answer.Recalculate && CheckCurve(l, where)) ++superposed;
                if (QTest::currentTestFailed()) return;
            }
        }
        // The sessions do reach the interesting places.
        QVERIFY2(overhangRefusals > 50, qPrintable(QString::number(overhangRefusals)));
        QVERIFY2(superposed > 5000, qPrintable(QString::number(superposed)));
        qInfo("%d drops, %d curves checked against superposition, %d overhang refusals", drops, superposed,
              overhangRefusals);
    }

private:
    static TDragSource RandomSource(const TBeamLayout& l, const std::function<int(int)>& pick) {
        std::vector<TDragSource> sources = {NewClamp, NewKnifeEdge,
                                            TDragSource::FixedWeight(FixedMasses[pick(5)]),
                                            TDragSource::VariableWeight(10 * pick(51), pick(2) == 0)};
        if (l.LeftClamp) sources.push_back(TDragSource::Of(TDragKind::LeftClamp));
        if (l.RightClamp) sources.push_back(TDragSource::Of(TDragKind::RightClamp));
        if (l.KnifeEdge1) sources.push_back(TDragSource::Of(TDragKind::KnifeEdge1));
        if (l.KnifeEdge2) sources.push_back(TDragSource::Of(TDragKind::KnifeEdge2));
        if (l.UDL) sources.push_back(TDragSource::Of(TDragKind::UDL));
        std::vector<int> occupied;
        for (int s = 0; s < StationCount; ++s)
            if (l.HangerSlots[s].Occupied()) occupied.push_back(s);
        if (!occupied.empty())
            for (int i = 0; i < 3; ++i) // weights on the beam move often
                sources.push_back(TDragSource::Weight(occupied[pick(int(occupied.size()))], pick(2) == 0));
        return sources[pick(int(sources.size()))];
    }

    static TDropTarget RandomTarget(const TBeamLayout& l, const std::function<int(int)>& pick) {
        const int kind = pick(12);
        if (kind == 0) return TDropTarget::Nothing();
        if (kind == 1) return TDropTarget::Bin();
        if (kind == 2) return TDropTarget::Other();
        if (kind == 3) {
            std::vector<int> occupied;
            for (int s = 0; s < StationCount; ++s)
                if (l.HangerSlots[s].Occupied()) occupied.push_back(s);
            if (!occupied.empty()) return TDropTarget::Weight(occupied[pick(int(occupied.size()))]);
        }
        // Mostly the picture, around the beam and its ends (zone edges included).
        return TDropTarget::Screen(55 + pick(430), 100 + pick(110));
    }

    // Recalculates and checks the curve against the sum of the curves of each load alone (and of the UDL
    // alone), within a tolerance scaled by the load. False when nothing was computed.
    static bool CheckCurve(const TBeamLayout& l, const QString& where) {
        TBeamTheory theory;
        TRecordingPresenter view;
        TBeamLayout computed = l;
        theory.Recalculate(computed, view);
        for (float y : theory.StationDeflection)
            if (!std::isfinite(y)) {
                QTest::qFail(qPrintable(where + "non-finite deflection: " + Describe(l)), __FILE__, __LINE__);
                return false;
            }
        if (view.Last == TRecordingPresenter::TCall::Clear || view.Last == TRecordingPresenter::TCall::None)
            return false;
        std::array<double, StationCount> sum{};
        auto addAlone = [&](const TBeamLayout& part) {
            TBeamTheory alone;
            TRecordingPresenter partView;
            TBeamLayout p = part;
            alone.Recalculate(p, partView);
            for (int i = 0; i < StationCount; ++i)
                sum[i] += alone.StationDeflection[i];
        };
        TBeamLayout bare = computed;
        bare.HangerSlots.fill(THangerSlot{});
        bare.UDL = false;
        for (int s = 0; s < StationCount; ++s)
            if (computed.HangerSlots[s].Mass > 0) {
                TBeamLayout one = bare;
                one.HangerSlots[s] = computed.HangerSlots[s];
                addAlone(one);
            }
        if (computed.UDL) {
            TBeamLayout udl = bare;
            udl.UDL = true;
            udl.UDLStartStation = computed.UDLStartStation;
            udl.UDLEndStation = computed.UDLEndStation;
            udl.UDLIntensity = computed.UDLIntensity;
            addAlone(udl);
        }
        // Single precision, and the formulas subtract terms as large as the whole load would deflect the free
        // end of a cantilever (a load over a prop is cancelled by the prop's reaction), so the tolerance
        // scales with that: sum P (0.6 m)^3/(3EI) + w (0.6 m)^4/(8EI).
        const double EI = double(theory.ModulusE) * double(theory.SecondMomentI);
        double grams = 0.0;
        for (const THangerSlot& slot : computed.HangerSlots)
            grams += std::max(slot.Mass, 0);
        const double w = computed.UDL ? computed.UDLIntensity : 0.0;
        const double tolerance =
            1e-6 * (grams * 0.00980665 * 0.216 / (3.0 * EI) + w * 0.1296 / (8.0 * EI)) + 1e-12;
        for (int i = 0; i < StationCount; ++i) {
            const double y = theory.StationDeflection[i];
            if (std::fabs(y - sum[i]) > tolerance) {
                QTest::qFail(qPrintable(where +
                                        QStringLiteral("station %1: %2 but the loads alone sum to %3; ")
                                            .arg(i)
                                            .arg(y)
                                            .arg(sum[i]) +
                                        Describe(l)),
                             __FILE__, __LINE__);
                return false;
            }
        }
        return true;
    }
};

QTEST_APPLESS_MAIN(TestPlacementRules)
#include "tst_placement_rules.moc"

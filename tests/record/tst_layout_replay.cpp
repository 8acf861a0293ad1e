// Rebuilding a set-up from a file: whatever order a student built it in with the mouse, the file holds
// exactly what the window held and reopening gives it back. The placement rules depend on that order (a
// knife-edge at 0 mm is refused once the clamp is on, the overhang rule is checked when a weight is hung but
// not when a knife-edge moves later, a cantilever's UDL keeps the length it had when its prop was taken
// away), so a replay in one fixed order loses set-ups the window allowed. The property test drives random
// gesture sequences through the same rules the window uses and saves and reopens each result.
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include "model/PlacementRules.h"
#include "record/io/ExperimentFile.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"

Q_DECLARE_METATYPE(TBeamLayout)

namespace {

constexpr int SupportY = 154, LoadY = 190, LeftClampX = 86, RightClampX = 454, ClampY = 150;

// A layout as the window keeps it after a gesture: the answer's layout, then (as Recalculate does after
// every change) a present UDL laid out again between the supports with its intensity.
struct TBench {
    TBeamLayout Layout;
    void Apply(const TDropAnswer& answer) {
        Layout = answer.Layout;
        if (Layout.UDL) Layout.PlaceUDL(Layout.UDLIntensity);
    }
    void Drop(const TDragSource& source, const TDropTarget& target) {
        Apply(DragAndDrop(Layout, source, target));
    }
    void UDLOn(int intensity) {
        if (!Layout.UDL) Layout = PutUDLOn(Layout, intensity);
    }
    void Shorten(int station) {
        if (!CanResizeUDL(Layout)) return;
        Apply(FinishUDLResize(StartUDLResize(Layout), StationX[station], Layout.UDLIntensity));
    }
    void Gauge(int station) {
        TBeamLayout l = Layout;
        l.DraggingGauge = true;
        l.GaugeGrabX = 0;
        const int left = StationX[l.GaugeStation] - GaugeStylusOffset;
        Layout = DragGauge(l, left, StationX[station] - StationX[l.GaugeStation]).Layout;
        Layout.DraggingGauge = false;
    }
};

TDropTarget Support(int station) {
    return TDropTarget::Screen(StationX[station], SupportY);
}
TDropTarget Load(int station) {
    return TDropTarget::Screen(StationX[station], LoadY);
}

// The experiment file's round trip: what SetupToJson writes, SetupFromJson reads back through the rules.
TSetupRead Reopened(const TBeamLayout& layout) {
    TExperimentSetup setup;
    setup.Layout = layout;
    const QByteArray bytes = QJsonDocument(SetupToJson(setup)).toJson();
    return SetupFromJson(QJsonDocument::fromJson(bytes).object());
}

QString Describe(const TBeamLayout& l) {
    QStringList parts;
    if (l.LeftClamp) parts << QStringLiteral("left clamp");
    if (l.RightClamp) parts << QStringLiteral("right clamp");
    if (l.KnifeEdge1) parts << QStringLiteral("KE1 %1").arg(l.KnifeEdge1Station * 10);
    if (l.KnifeEdge2) parts << QStringLiteral("KE2 %1").arg(l.KnifeEdge2Station * 10);
    for (int s = 0; s < StationCount; ++s)
        if (l.HangerSlots[s].Occupied())
            parts << QStringLiteral("%1%2 g at %3")
                         .arg(l.HangerSlots[s].Variable ? QStringLiteral("hanger ") : QString())
                         .arg(l.HangerSlots[s].Mass)
                         .arg(s * 10);
    if (l.UDL)
        parts << QStringLiteral("UDL %1 N/m %2-%3")
                     .arg(l.UDLIntensity)
                     .arg(l.UDLStartStation * 10)
                     .arg(l.UDLEndStation * 10);
    parts << QStringLiteral("gauge %1").arg(l.GaugeStation * 10);
    return parts.join(QStringLiteral(", "));
}

} // namespace

class TestLayoutReplay : public QObject {
    Q_OBJECT
private slots:
    void orderOfBuildingDoesNotMatter_data();
    void orderOfBuildingDoesNotMatter();
    void randomGestureSequencesReopen();
};

void TestLayoutReplay::orderOfBuildingDoesNotMatter_data() {
    QTest::addColumn<TBeamLayout>("built");
    TBench b;
    // A knife-edge at 0 mm, then the left clamp: the clamp is accepted beside one knife-edge.
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(0));
    b.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
    b.Drop(TDragSource::FixedWeight(200), Load(40));
    QTest::newRow("knife-edge at 0 mm before the clamp") << b.Layout;

    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
    b.Drop(TDragSource::VariableWeight(75), Load(60)); // typed into the "(grams)" box
    QTest::newRow("75 g typed in") << b.Layout;

    // 500 g at 550 mm, then 100 g over the knife-edge at 500 mm: the second weight stands on the support,
    // which counts as the overhang only for a weight hung after it.
    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(10));
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(50));
    b.Drop(TDragSource::FixedWeight(500), Load(55));
    b.Drop(TDragSource::FixedWeight(100), Load(50));
    QTest::newRow("weight on the overhang, then over the knife-edge") << b.Layout;

    // Two weights hung between the knife-edges, then a knife-edge moved inside them: both on one overhang.
    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(10));
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(60));
    b.Drop(TDragSource::FixedWeight(300), Load(52));
    b.Drop(TDragSource::FixedWeight(400), Load(58));
    b.Drop(TDragSource::Of(TDragKind::KnifeEdge2), Support(45));
    QTest::newRow("knife-edge moved under two weights") << b.Layout;

    // A propped cantilever with its UDL to the prop; the prop taken away: a cantilever with a short UDL.
    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(37));
    b.UDLOn(12);
    b.Drop(TDragSource::Of(TDragKind::KnifeEdge1), TDropTarget::Bin());
    QTest::newRow("cantilever UDL left by its prop") << b.Layout;

    // The same down to nothing: a prop at 0 mm (before the clamp) gives a UDL of no length.
    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(0));
    b.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
    b.UDLOn(50);
    b.Drop(TDragSource::Of(TDragKind::KnifeEdge1), TDropTarget::Bin());
    QTest::newRow("cantilever UDL of no length") << b.Layout;

    b = {};
    b.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
    b.UDLOn(30);
    b.Shorten(22);
    b.Drop(TDragSource::VariableWeight(0), Load(60));
    b.Gauge(60);
    QTest::newRow("cantilever UDL shortened, empty hanger at the tip") << b.Layout;
}

void TestLayoutReplay::orderOfBuildingDoesNotMatter() {
    QFETCH(TBeamLayout, built);
    const TSetupRead read = Reopened(built);
    QVERIFY2(read.Problem.isEmpty(), qPrintable(Describe(built) + QStringLiteral(": ") + read.Problem));
    QVERIFY2(SameItems(read.Setup.Layout, built),
             qPrintable(Describe(built) + QStringLiteral(" came back as ") + Describe(read.Setup.Layout)));
}

void TestLayoutReplay::randomGestureSequencesReopen() {
    // Thousands of random sequences of the gestures the window offers (every tool-box item, moves and
    // removals, weights dropped on hangers, the UDL on, off and shortened, the gauge), each saved with its
    // readings and reopened.
    QRandomGenerator random(20261210);
    auto station = [&random] { return int(random.bounded(StationCount)); };
    TReading reading;
    reading.Number = 1;
    reading.Note = QStringLiteral("load step");
    const std::vector<QJsonObject> rows = {ReadingToJson(reading)};
    int checked = 0, withUDL = 0, withOverhangs = 0;
    for (int sequence = 0; sequence < 4000; ++sequence) {
        TBench b;
        const int gestures = 1 + int(random.bounded(24));
        for (int g = 0; g < gestures; ++g) {
            switch (random.bounded(14)) {
            case 0:
                b.Drop(TDragSource::Of(TDragKind::NewClamp),
                       TDropTarget::Screen(random.bounded(2) ? LeftClampX : RightClampX, ClampY));
                break;
            case 1:
                b.Drop(TDragSource::Of(random.bounded(2) ? TDragKind::LeftClamp : TDragKind::RightClamp),
                       random.bounded(2) ? TDropTarget::Bin() : Load(station()));
                break;
            case 2:
            case 3:
                b.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), Support(station()));
                break;
            case 4:
                b.Drop(TDragSource::Of(random.bounded(2) ? TDragKind::KnifeEdge1 : TDragKind::KnifeEdge2),
                       random.bounded(5) ? Support(station()) : TDropTarget::Bin());
                break;
            case 5:
            case 6:
                b.Drop(TDragSource::FixedWeight(FixedMasses[random.bounded(int(FixedMasses.size()))]),
                       Load(station()));
                break;
            case 7:
                b.Drop(TDragSource::VariableWeight(int(random.bounded(501))), Load(station()));
                break;
            case 8: { // a weight onto a placed hanger, or a placed weight moved or removed
                const int from = station();
                if (!b.Layout.HangerSlots[from].Occupied()) break;
                const int kind = int(random.bounded(3));
                if (kind == 0)
                    b.Drop(TDragSource::FixedWeight(500), TDropTarget::Weight(from));
                else if (kind == 1)
                    b.Drop(TDragSource::Weight(from),
                           random.bounded(2) ? Load(station()) : TDropTarget::Bin());
                else
                    b.Drop(TDragSource::Weight(from), TDropTarget::Weight(station()));
                break;
            }
            case 9:
                b.UDLOn(1 + int(random.bounded(50)));
                break;
            case 10:
                if (b.Layout.UDL && random.bounded(3) == 0)
                    b.Drop(TDragSource::Of(TDragKind::UDL), TDropTarget::Bin());
                break;
            case 11:
                b.Shorten(station());
                break;
            default:
                b.Gauge(station());
                break;
            }
        }
        TExperimentSetup setup;
        setup.Layout = b.Layout;
        const TFileRead<TExperimentDocument> read = ExperimentFromBytes(ExperimentBytes(setup, rows));
        QVERIFY2(read.Ok(), qPrintable(Describe(b.Layout) + QStringLiteral(": ") + read.Problem));
        QVERIFY2(SameItems(read.Value.Setup.Layout, b.Layout),
                 qPrintable(Describe(b.Layout) + QStringLiteral(" came back as ") +
                            Describe(read.Value.Setup.Layout)));
        QCOMPARE(read.Value.Rows, rows);
        ++checked;
        withUDL += b.Layout.UDL;
        if (b.Layout.KnifeEdge1 && b.Layout.KnifeEdge2) {
            int over = 0;
            for (int s = 0; s < b.Layout.LeftKnifeEdgeStation; ++s)
                over += b.Layout.HangerSlots[s].Occupied();
            withOverhangs += over > 1;
        }
    }
    // The sequences reach the awkward set-ups, not only easy ones.
    QVERIFY2(withUDL > 200 && withOverhangs > 5,
             qPrintable(QStringLiteral("%1 with a UDL, %2 with two weights on the left overhang of %3")
                            .arg(withUDL)
                            .arg(withOverhangs)
                            .arg(checked)));
}

QTEST_APPLESS_MAIN(TestLayoutReplay)
#include "tst_layout_replay.moc"

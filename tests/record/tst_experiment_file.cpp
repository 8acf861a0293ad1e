// The experiment file: what is saved comes back the same (layout, curve bit for bit, section, rows), and
// every kind of bad file is refused by name without a half-read result.
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include "RecordingPresenter.h"
#include "model/PlacementRules.h"
#include "record/io/ExperimentFile.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"
#include "theory/BeamTheory.h"

Q_DECLARE_METATYPE(TBeamLayout)

namespace {

TBeamLayout Hang(TBeamLayout l, int station, int grams, bool variable = false) {
    l.HangerSlots[station] = {grams, variable};
    return l;
}

TBeamLayout Cantilever() {
    TBeamLayout l;
    l.LeftClamp = true;
    return l;
}

TBeamLayout TwoKnifeEdges(int a, int b) {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = a;
    l.KnifeEdge2Station = b;
    l.UpdateKnifeEdgeOrder();
    return l;
}

TBeamLayout WithUDL(TBeamLayout l, int intensity, int from, int to) {
    l.UDL = true;
    l.UDLIntensity = intensity;
    l.UDLStartStation = from;
    l.UDLEndStation = to;
    return l;
}

TDeflectionCurve Curve(TBeamLayout layout, const TSectionChoice& section) {
    TBeamTheory theory;
    theory.ModulusE = ChoiceModulusE(section);
    theory.SecondMomentI = ChoiceSecondMomentI(section);
    TRecordingPresenter view;
    theory.Recalculate(layout, view);
    return theory.StationDeflection;
}

TReading SampleReading(int number, const QString& note) {
    TReading r;
    r.Number = number;
    r.ElapsedS = 12.345 * number;
    r.Property = TVariedProperty::HangerLoad;
    r.Varied.Numeric = true;
    r.Varied.Value = 300 * NewtonsPerGram;
    r.Varied.Quantity = QStringLiteral("Hanger load");
    r.Varied.Unit = QStringLiteral("N");
    r.Varied.Text = QStringLiteral("300 g (2.94 N)");
    r.Varied.Grams = 300;
    r.GaugeStation = 45;
    r.TheoryMm = -1.0 / 3.0;
    r.Gauges[0] = {true, -0.3141592653589793, 17, 0.001, {true, 0.1 + 0.2}};
    r.Gauges[1] = {true, -0.25, 18, 1e-17, {}};
    r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
    r.Note = note;
    return r;
}

QByteArray ValidBytes() {
    TExperimentSetup setup;
    setup.Layout = Hang(Cantilever(), 40, 300);
    return ExperimentBytes(setup, {ReadingToJson(SampleReading(1, QStringLiteral("first")))});
}

QByteArray Edited(const QByteArray& bytes, const std::function<void(QJsonObject&)>& edit) {
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

void SetLayoutMember(QJsonObject& root, const QString& key, const QJsonValue& value) {
    QJsonObject layout = root[QStringLiteral("layout")].toObject();
    layout[key] = value;
    root[QStringLiteral("layout")] = layout;
}

} // namespace

class TestExperimentFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void refusals_data();
    void refusals();
    void refusesOversizedFileUnread();
    void failedWriteLeavesOldFileWhole();
    void replayFollowsTheMouseRules();
};

void TestExperimentFile::roundTrip_data() {
    QTest::addColumn<TBeamLayout>("layout");
    TBeamLayout propped = Cantilever();
    propped.KnifeEdge1 = true;
    propped.KnifeEdge1Station = 45;
    TBeamLayout fixed = Cantilever();
    fixed.RightClamp = true;
    TBeamLayout onlySecond = Cantilever(); // knife-edge 1 taken away, number 2 stayed as the prop
    onlySecond.KnifeEdge2 = true;
    onlySecond.KnifeEdge1Station = 10;
    onlySecond.KnifeEdge2Station = 50;

    QTest::newRow("cantilever, tip load") << Hang(Cantilever(), 60, 500);
    QTest::newRow("cantilever, shortened UDL and a variable weight")
        << Hang(WithUDL(Cantilever(), 17, 0, 35), 52, 230, true);
    QTest::newRow("propped cantilever, UDL to the prop, two weights")
        << Hang(Hang(WithUDL(propped, 50, 0, 45), 20, 100), 55, 400);
    QTest::newRow("fixed both ends, UDL and a 0 g hanger") << Hang(WithUDL(fixed, 1, 0, 60), 30, 0, true);
    QTest::newRow("simply supported, one weight on each overhang, UDL over the span")
        << Hang(Hang(Hang(WithUDL(TwoKnifeEdges(50, 10), 25, 10, 50), 3, 200), 58, 100), 30, 500);
    QTest::newRow("simply supported at the ends, gauge at 0 mm") << [] {
        TBeamLayout l = Hang(TwoKnifeEdges(0, 60), 30, 300);
        l.GaugeStation = 0;
        return l;
    }();
    QTest::newRow("propped by knife-edge 2 alone") << Hang(onlySecond, 20, 100);
    QTest::newRow("empty beam, gauge at 600 mm") << [] {
        TBeamLayout l;
        l.GaugeStation = 60;
        return l;
    }();
}

void TestExperimentFile::roundTrip() {
    QFETCH(TBeamLayout, layout);
    TExperimentSetup saved;
    saved.Layout = layout;
    saved.Section = {FlatSectionIndex, 20.5, 2.95, OtherMaterial, 123.4};
    saved.PropertyVaried = 1;
    saved.Zero[0] = {true, -0.0123456789};
    const std::vector<QJsonObject> rows = {ReadingToJson(SampleReading(1, QStringLiteral("=1+1 ünits µm"))),
                                           ReadingToJson(SampleReading(4, QString()))};

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.ferx"));
    QCOMPARE(SaveExperiment(path, saved, rows), QString());
    const TFileRead<TExperimentDocument> opened = OpenExperiment(path);
    QVERIFY2(opened.Ok(), qPrintable(opened.Problem));

    const TExperimentSetup& back = opened.Value.Setup;
    QVERIFY(SameItems(back.Layout, layout));
    QVERIFY(back.Section == saved.Section);
    QCOMPARE(back.PropertyVaried, 1);
    QVERIFY(back.Zero[0].Set && back.Zero[0].Value == saved.Zero[0].Value);
    QVERIFY(!back.Zero[1].Set);
    QCOMPARE(opened.Value.Rows, rows);
    // The rows read back as readings, every number exactly as it was.
    const TReading first = ReadingFromJson(opened.Value.Rows[0], QStringLiteral("r")).Reading;
    const TReading expected = SampleReading(1, QStringLiteral("=1+1 ünits µm"));
    QCOMPARE(first.Note, expected.Note);
    QVERIFY(first.TheoryMm == expected.TheoryMm && first.Gauges[1].StdDev == expected.Gauges[1].StdDev);
    QVERIFY(first.Gauges[0].Zero.Set && first.Gauges[0].Zero.Value == expected.Gauges[0].Zero.Value);
    QCOMPARE(first.Property, TVariedProperty::HangerLoad);
    QCOMPARE(first.Varied.Grams, 300);
    const TDeflectionCurve before = Curve(layout, saved.Section), after = Curve(back.Layout, back.Section);
    QVERIFY(std::memcmp(before.data(), after.data(), sizeof before) == 0);
    // Every layout here is loaded or deliberately empty; a loaded one must give a real curve.
    if (layout.Loaded() && layout.SupportArrangement() != TSupportArrangement::Unsupported)
        QVERIFY(std::any_of(after.begin(), after.end(), [](float d) { return d != 0.0f; }));
}

void TestExperimentFile::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray valid = ValidBytes();
    QTest::newRow("not JSON") << QByteArray("this is a letter, not an experiment")
                              << "not a valid experiment file";
    QTest::newRow("cut short") << valid.left(valid.size() / 2) << "it is incomplete";
    QTest::newRow("empty") << QByteArray() << "it is incomplete";
    QTest::newRow("another program's JSON") << QByteArray(R"({"name": "x"})") << "not an experiment file";
    QTest::newRow("newer version") << Edited(valid, [](QJsonObject& r) {
        r[QStringLiteral("version")] = ExperimentFileVersion + 1;
    }) << "saved by a newer version of the program (file format 2";
    QTest::newRow("gauge off the beam")
        << Edited(valid, [](QJsonObject& r) { SetLayoutMember(r, QStringLiteral("gauge"), 605); })
        << "layout.gauge must be a position on the beam";
    QTest::newRow("readings not a list")
        << Edited(valid, [](QJsonObject& r) { r[QStringLiteral("readings")] = 3; })
        << "readings must be a list";
    QTest::newRow("a reading without its gauges") << Edited(valid, [](QJsonObject& r) {
        QJsonObject row = r[QStringLiteral("readings")].toArray()[0].toObject();
        row.remove(QStringLiteral("gauges"));
        r[QStringLiteral("readings")] = QJsonArray{row};
    }) << "readings[0].gauges must list 2 gauges";
    QTest::newRow("flat bar too thick") << Edited(valid, [](QJsonObject& r) {
        QJsonObject s = r[QStringLiteral("section")].toObject();
        s[QStringLiteral("flatThickness")] = 9.0;
        r[QStringLiteral("section")] = s;
    }) << "section.flatThickness must lie from 2.8 to 3.5";
    // Layouts the tool box would not let the mouse build.
    QTest::newRow("right clamp alone") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("leftClamp"), false);
        SetLayoutMember(r, QStringLiteral("rightClamp"), true);
    }) << "its layout cannot be built: a right-hand clamp needs the left-hand clamp";
    QTest::newRow("knife-edge between two clamps") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("rightClamp"), true);
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{300});
    }) << "its layout cannot be built: " + QString::fromStdString(BothClampsKnifeEdgeWarning).chopped(1);
    QTest::newRow("prop inside the clamp") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{0});
    }) << "a knife-edge cannot stand at 0 mm inside the clamp";
    QTest::newRow("two weights on one overhang") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("leftClamp"), false);
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{100, 500});
        QJsonArray weights;
        for (int at : {20, 50, 300})
            weights.append(QJsonObject{{"at", at}, {"grams", 100}, {"variable", false}});
        SetLayoutMember(r, QStringLiteral("weights"), weights);
    }) << QString::fromStdString(OverhangWeightWarning).chopped(1);
    QTest::newRow("a mass the tool box does not have") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("weights"),
                        QJsonArray{QJsonObject{{"at", 300}, {"grams", 150}, {"variable", false}}});
    }) << "a weight of 150 g at 300 mm is not one of the tool box's masses";
    QTest::newRow("UDL beyond the span") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("leftClamp"), false);
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{100, 500});
        SetLayoutMember(r, QStringLiteral("weights"), QJsonArray{});
        SetLayoutMember(r, QStringLiteral("udl"), QJsonObject{{"intensity", 10}, {"from", 0}, {"to", 600}});
    }) << "a UDL from 0 mm to 600 mm does not fit these supports (it would lie from 100 mm to 500 mm)";
}

void TestExperimentFile::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const TFileRead<TExperimentDocument> read = ExperimentFromBytes(bytes);
    QVERIFY2(read.Problem.contains(problem), qPrintable(read.Problem));
    QVERIFY(read.Value.Rows.empty());
    QVERIFY(!read.Value.Setup.Layout.Loaded());
}

void TestExperimentFile::refusesOversizedFileUnread() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.ferx"));
    QFile big(path);
    QVERIFY(big.open(QIODevice::WriteOnly));
    // A sparse file: the bound is judged by its size, so nothing of it needs to be read or even stored.
    QVERIFY(big.resize(ExperimentFileMaxBytes + 1));
    big.close();
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    QVERIFY2(read.Problem.contains(QStringLiteral("larger than any experiment can be (at most 16 MB)")),
             qPrintable(read.Problem));

    // At the bound exactly, the file is read and judged by its content.
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(ExperimentFileMaxBytes));
    big.close();
    QVERIFY(!OpenExperiment(path).Problem.contains(QStringLiteral("larger")));
}

void TestExperimentFile::failedWriteLeavesOldFileWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kept.ferx"));
    const QByteArray old = ValidBytes();
    QCOMPARE(WriteFileAtomically(path, old), QString());

    // A full disk, as the process sees it: a file size limit makes the write of the big document fail
    // half-way (EFBIG; the signal that would kill the process is ignored).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit tiny = saved;
    tiny.rlim_cur = rlim_t(old.size() + 100);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &tiny) == 0);
    const QString why = WriteFileAtomically(path, QByteArray(200000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    QVERIFY2(!why.isEmpty(), "the failed write must say why");
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.ferx")});
}

void TestExperimentFile::replayFollowsTheMouseRules() {
    // A layout the mouse builds in an order the replay does not use (weights first, then the supports)
    // comes back the same; the replayed layout passes through the rules, so it is a layout the window can
    // show and edit further.
    TBeamLayout built;
    auto drop = [&built](const TDragSource& s, const TDropTarget& t) {
        built = DragAndDrop(built, s, t).Layout;
    };
    drop(TDragSource::FixedWeight(200), TDropTarget::Screen(StationX[5], 190));
    drop(TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[12], 150));
    drop(TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[48], 150));
    drop(TDragSource::VariableWeight(70), TDropTarget::Screen(StationX[30], 190));
    const TLayoutReplay replay = ReplayLayout(built);
    QVERIFY2(replay.Ok(), replay.Problem.c_str());
    QVERIFY(SameItems(replay.Layout, built));
    QCOMPARE(replay.Layout.LeftKnifeEdgeStation, 12);
    QCOMPARE(replay.Layout.RightKnifeEdgeStation, 48);
    QVERIFY(!replay.Layout.MovingKnifeEdge1 && !replay.Layout.DraggingGauge && !replay.Layout.ResizingUDL);
}

QTEST_APPLESS_MAIN(TestExperimentFile)
#include "tst_experiment_file.moc"
